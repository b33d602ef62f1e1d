#include "platform/textlines.h"

#include "platform/fileio.h"

#include <cstring>

namespace rota {

namespace {

// Calls `line(start, length)` for every line of `bytes`, in order.
template <typename F>
void forEachLine(std::string_view bytes, F&& line)
{
    const auto zero = bytes.find('\0');
    if (zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);

    std::size_t start = 0;
    const std::size_t size = bytes.size();
    while (start < size) {
        const auto end = bytes.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? size : end;
        line(start, stop - start);
        std::size_t next = stop + 1;
        if (stop < size && bytes[stop] == '\r' && next < size && bytes[next] == '\n')
            ++next;
        start = next;
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

TextLines loadTextLines(const std::string& path)
{
    return TextLines(readFileBytes(path));
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
