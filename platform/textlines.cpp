#include "platform/textlines.h"

#include "platform/fileio.h"

#include <cstring>

namespace rota {

std::vector<std::string> splitLines(std::string_view bytes)
{
    const auto zero = bytes.find('\0');
    if (zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);

    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t size = bytes.size();
    while (start < size) {
        std::size_t end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.emplace_back(bytes.substr(start, end - start));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
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
