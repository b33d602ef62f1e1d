#include "platform/windowserror.h"

#include <windows.h>

namespace rota {

namespace {

class WindowsErrors : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }
    std::string message(int code) const override { return describeSystemError(static_cast<unsigned long>(code)); }
};

} // namespace

std::string describeSystemError(unsigned long code)
{
    char* text = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(code);
    if (text)
        ::LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

std::error_code windowsError(unsigned long code)
{
    static const WindowsErrors category;
    return {static_cast<int>(code), category};
}

} // namespace rota
