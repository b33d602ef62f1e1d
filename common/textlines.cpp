#include "common/textlines.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace rota {

LineReader::LineReader(std::string_view text)
    : data_(text.data()), end_(text.size()), sourceEnded_(true), expectedSize_(text.size())
{
}

LineReader::LineReader(ByteSource source, std::uint64_t expectedSize, std::size_t pieceSize)
    : source_(std::move(source)), pieceSize_(std::max<std::size_t>(pieceSize, 1)), sourceEnded_(false),
      expectedSize_(expectedSize)
{
}

void LineReader::cutLinesLongerThan(std::size_t longestLine)
{
    longestLine_ = longestLine;
}

std::size_t LineReader::find(char c, Search& search)
{
    if (search.found && search.hit >= begin_)
        return search.hit;
    const std::size_t from = std::max(begin_, search.searchedTo);
    const void* hit = from < end_ ? std::memchr(data_ + from, c, end_ - from) : nullptr;
    search.found = hit != nullptr;
    search.hit = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data_) : end_;
    search.searchedTo = search.hit;
    return search.hit;
}

void LineReader::readMore()
{
    // The bytes not yet handed out move to the front.
    const std::size_t kept = end_ - begin_;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
        for (Search* search : {&lineFeed_, &carriageReturn_}) {
            search->found = search->found && search->hit >= begin_;
            search->hit = search->found ? search->hit - begin_ : 0;
            search->searchedTo = search->searchedTo > begin_ ? search->searchedTo - begin_ : 0;
        }
        consumedBefore_ += begin_;
        begin_ = 0;
        end_ = kept;
    }
    // The first buffer holds a piece, or the whole text when it is smaller.
    // It doubles when what is kept (a long line) leaves less than half of it
    // free, and while a text that proves longer than expected fills it.
    std::size_t capacity = capacity_;
    if (capacity_ == 0)
        capacity = expectedSize_ < pieceSize_ ? static_cast<std::size_t>(expectedSize_) + 1 : pieceSize_;
    if (kept > capacity_ / 2)
        capacity = std::max(capacity, capacity_ * 2);
    if (lastReadFilled_ && capacity_ < pieceSize_)
        capacity = std::max(capacity, std::min(capacity_ * 2, pieceSize_));
    if (capacity != capacity_) {
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (kept > 0)
            std::memcpy(larger.get(), buffer_.get(), kept);
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }
    data_ = buffer_.get();
    const std::size_t n = source_(buffer_.get() + end_, capacity_ - end_);
    lastReadFilled_ = n == capacity_ - end_;
    end_ += n;
    sourceEnded_ = n == 0;
}

std::size_t LineReader::lineEnd(bool& complete)
{
    for (;;) {
        const std::size_t carriageReturn = find('\r', carriageReturn_);
        const std::size_t stop = std::min(find('\n', lineFeed_), carriageReturn);
        // A line is complete once its end is held; a carriage return last in
        // the buffer waits for the next byte, which may be its line feed.
        complete = stop < end_ && (stop != carriageReturn || stop + 1 < end_);
        if (complete || sourceEnded_ || stop - begin_ > longestLine_)
            return stop;
        readMore();
    }
}

void LineReader::passEnd(std::size_t stop)
{
    begin_ = stop == end_ ? end_ : stop + 1;
    if (stop < end_ && data_[stop] == '\r' && begin_ < end_ && data_[begin_] == '\n')
        ++begin_;
}

void LineReader::passByteOrderMark()
{
    atStart_ = false;
    const std::size_t mark = kUtf8ByteOrderMark.size();
    while (end_ - begin_ < mark && !sourceEnded_)
        readMore();
    if (std::string_view(data_ + begin_, end_ - begin_).starts_with(kUtf8ByteOrderMark))
        begin_ += mark;
}

bool LineReader::next(std::string_view& line)
{
    if (atStart_)
        passByteOrderMark();
    // What is left of a line that was cut is passed over, a buffer at a time.
    while (passingOver_) {
        bool complete;
        const std::size_t stop = lineEnd(complete);
        if (complete || sourceEnded_) {
            passEnd(stop);
            passingOver_ = false;
        } else {
            begin_ = stop; // all but a carriage return that may begin a CR LF
        }
    }
    bool complete;
    const std::size_t stop = lineEnd(complete);
    if (begin_ == end_)
        return false;
    if (stop - begin_ > longestLine_) {
        line = {data_ + begin_, longestLine_ + 1};
        begin_ += longestLine_ + 1;
        passingOver_ = true;
        return true;
    }
    line = {data_ + begin_, stop - begin_};
    passEnd(stop);
    return true;
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    LineReader reader(bytes);
    for (std::string_view line; reader.next(line);)
        lines.emplace_back(line);
    return lines;
}

std::string joinLinesCrlf(const std::vector<std::string>& lines)
{
    std::size_t total = 0;
    for (const auto& line : lines)
        total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace rota
