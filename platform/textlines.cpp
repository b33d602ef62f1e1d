#include "platform/textlines.h"

#include "platform/fileio.h"

#include <cstring>

namespace rota {

namespace {

// The offset of the first `c` in `bytes` at or after `from` (< size), or
// the size when there is none.
std::size_t findByte(std::string_view bytes, std::size_t from, char c)
{
    const void* hit = std::memchr(bytes.data() + from, c, bytes.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data()) : bytes.size();
}

// Calls `line(start, length)` for every line of `bytes`, in order.
// Line feeds and carriage returns are looked for separately, each with
// memchr, and the next of each is kept until the scan passes it: a text
// with CR LF ends finds each end once, a text of one kind searches the
// other kind once in all.
template <typename F>
void forEachLine(std::string_view bytes, F&& line)
{
    const std::size_t size = bytes.size();
    std::size_t start = 0;
    std::size_t nextLf = 0, nextCr = 0;
    bool looked = false;
    while (start < size) {
        if (!looked || nextLf < start)
            nextLf = findByte(bytes, start, '\n');
        if (!looked || nextCr < start)
            nextCr = findByte(bytes, start, '\r');
        looked = true;
        const std::size_t stop = nextLf < nextCr ? nextLf : nextCr;
        line(start, stop - start);
        if (stop == size)
            break;
        start = stop + 1;
        if (stop == nextCr && start < size && bytes[start] == '\n')
            ++start;
    }
}

} // namespace

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    forEachLine(bytes, [&](std::size_t start, std::size_t length) { lines.emplace_back(bytes.substr(start, length)); });
    return lines;
}

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes))
{
    forEachLine(bytes_, [this](std::size_t start, std::size_t length) { lines_.push_back({start, length}); });
}

void TextLines::clear()
{
    bytes_.clear();
    bytes_.shrink_to_fit();
    lines_.clear();
    lines_.shrink_to_fit();
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
