#include "platform/environment.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace rota {

std::string defaultProgramFolder()
{
    if (const char* home = std::getenv("ROTA_HOME"); home && *home)
        return home;
    const char* user = std::getenv("HOME");
    return (std::filesystem::path(user && *user ? user : ".") / "RotaSchedule").string();
}

const char* programFolderRule()
{
    return "$ROTA_HOME, else ~/RotaSchedule";
}

std::string executableFolder()
{
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.parent_path().string();
}

const char* boxScoreToolName()
{
    return "bgame";
}

bool standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace rota
