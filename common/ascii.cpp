#include "common/ascii.h"

#include <algorithm>

namespace rota {

namespace {

constexpr char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string upperCase(std::string text)
{
    for (char& c : text)
        c = asciiUpper(c);
    return text;
}

std::string hexByte(char c)
{
    constexpr char digits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return {'0', 'x', digits[byte >> 4], digits[byte & 15]};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

bool isWindowsDeviceName(std::string_view name)
{
    static const char* const devices[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                          "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                          "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    for (const char* device : devices)
        if (equalsIgnoringCase(name, device))
            return true;
    return false;
}

int progressOf(std::size_t done, std::size_t total, int scale)
{
    if (total == 0)
        return 0;
    // A file that grows while it is read may pass the size it was opened with.
    return static_cast<int>(static_cast<double>(std::min(done, total)) / static_cast<double>(total) * scale);
}

} // namespace rota
