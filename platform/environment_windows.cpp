#include "platform/environment.h"

#include <filesystem>
#include <io.h>
#include <cstdio>
#include <windows.h>

namespace rota {

std::string defaultProgramFolder()
{
    return executableFolder();
}

const char* programFolderRule()
{
    return "the folder the program is in";
}

std::string executableFolder()
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::filesystem::path(std::string(buffer, length)).parent_path().string();
}

const char* boxScoreToolName()
{
    return "bgame.exe";
}

bool standardErrorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

} // namespace rota
