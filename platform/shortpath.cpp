#include "platform/shortpath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace rota {

std::string shortPathName(const std::string& path)
{
#ifdef _WIN32
    char buffer[260];
    DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
#else
    return path;
#endif
}

} // namespace rota
