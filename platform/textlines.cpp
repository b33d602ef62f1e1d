#include "platform/textlines.h"

#include "platform/fileio.h"

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

LineReader LineReader::ofFile(const std::string& path, std::size_t pieceSize)
{
    auto file = std::make_shared<FileReader>(path);
    const std::uint64_t size = file->size();
    return LineReader([file](char* buffer, std::size_t capacity) { return file->read(buffer, capacity); }, size,
                      pieceSize);
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
    // The first buffer holds a piece, or the whole text when it is smaller;
    // it doubles when what is kept (a long line) leaves less than half free.
    if (capacity_ == 0 || kept > capacity_ / 2) {
        const std::size_t capacity =
            capacity_ == 0 ? static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize_, expectedSize_ + 1))
                           : capacity_ * 2;
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (kept > 0)
            std::memcpy(larger.get(), buffer_.get(), kept);
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }
    data_ = buffer_.get();
    const std::size_t n = source_(buffer_.get() + end_, capacity_ - end_);
    end_ += n;
    sourceEnded_ = n == 0;
}

bool LineReader::next(std::string_view& line)
{
    std::size_t stop, carriageReturn;
    for (;;) {
        carriageReturn = find('\r', carriageReturn_);
        stop = std::min(find('\n', lineFeed_), carriageReturn);
        // A line is handed out once its end is held; a carriage return last
        // in the buffer waits for the next byte, which may be its line feed.
        const bool complete = stop < end_ && (stop != carriageReturn || stop + 1 < end_);
        if (complete || sourceEnded_)
            break;
        readMore();
    }
    if (begin_ == end_)
        return false;
    line = {data_ + begin_, stop - begin_};
    begin_ = stop == end_ ? end_ : stop + 1;
    if (stop == carriageReturn && begin_ < end_ && data_[begin_] == '\n')
        ++begin_;
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

std::vector<std::string> loadLines(const std::string& path)
{
    return splitLines(readFileBytes(path));
}

void saveLines(const std::string& path, const std::vector<std::string>& lines)
{
    writeFileAtomically(path, joinLinesCrlf(lines));
}

} // namespace rota
