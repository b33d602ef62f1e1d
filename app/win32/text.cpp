#include "app/win32/text.h"

#include <windows.h>

namespace rota::win32 {

std::wstring fromLatin1(std::string_view bytes)
{
    std::wstring text(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string toLatin1(std::wstring_view text)
{
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[i] = text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
    return bytes;
}

std::wstring fromPath(const std::string& path)
{
    if (path.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::string toPath(std::wstring_view path)
{
    if (path.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}

} // namespace rota::win32
