// Byte-string helpers that treat only the ASCII letters and digits as such;
// every other byte is left as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rota {

constexpr bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isAsciiAlnum(char c)
{
    return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True for the C0 control bytes (below 0x20) and DEL (0x7F). The bytes 0x80
// to 0x9F (the C1 controls of ISO 8859) are not counted: in Windows-1252,
// which the game's texts are read in, they are letters and signs (the euro
// sign, S with caron, quotation marks).
constexpr bool isControlByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

// The offset of the first control byte of `text` (see isControlByte), or npos.
constexpr std::size_t firstControlByte(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (isControlByte(text[i]))
            return i;
    return std::string_view::npos;
}

// `c` written as 0x followed by two upper-case hex digits ("0x1B").
std::string hexByte(char c);

// True for a date "MM/DD/YY" made of digits.
constexpr bool isDigitDate(std::string_view date)
{
    return date.size() == 8 && isAsciiDigit(date[0]) && isAsciiDigit(date[1]) && date[2] == '/' &&
           isAsciiDigit(date[3]) && isAsciiDigit(date[4]) && date[5] == '/' && isAsciiDigit(date[6]) &&
           isAsciiDigit(date[7]);
}

// `text` with its ASCII letters upper-cased.
std::string upperCase(std::string text);

// True when `a` and `b` are equal but for the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// True when `text` is one or more ASCII digits.
constexpr bool allDigits(std::string_view text)
{
    for (char c : text)
        if (!isAsciiDigit(c))
            return false;
    return !text.empty();
}

// True when `text` is one or more ASCII letters and digits.
constexpr bool allLettersAndDigits(std::string_view text)
{
    for (char c : text)
        if (!isAsciiAlnum(c))
            return false;
    return !text.empty();
}

// True when `name` is one that Windows keeps for a device (CON, NUL,
// COM1, ...), in any letter case; such a name can be no file's.
bool isWindowsDeviceName(std::string_view name);

// How far along `done` of `total` steps are, as a whole number from 0 to
// `scale` (truncated). 0 when there are no steps.
int progressOf(std::size_t done, std::size_t total, int scale);

} // namespace rota
