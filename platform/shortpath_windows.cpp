#include "platform/shortpath.h"

#include <windows.h>

namespace rota {

std::string shortPathName(const std::string& path)
{
    char buffer[260];
    DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
}

} // namespace rota
