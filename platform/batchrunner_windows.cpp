#include "platform/batchrunner.h"

#include "platform/windowserror.h"

#include <string>
#include <vector>
#include <windows.h>

namespace rota {

int runBatchFile(const std::string& batchPath, const std::string& workingDir, std::ostream& diagnostics)
{
    // The command interpreter runs the batch in the working folder given to
    // the new process; our own current folder is never changed.
    std::string command = "cmd.exe /c \"" + batchPath + "\"";
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          workingDir.c_str(), &startup, &process)) {
        diagnostics << "Cannot run " << command << ": " << describeSystemError(::GetLastError()) << '\n';
        return 1;
    }
    ::CloseHandle(process.hThread);
    // The batch's exit code tells nothing of how its lines went: only a
    // failure to run it or to wait for it counts.
    const bool waited = ::WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0;
    if (!waited)
        diagnostics << "Cannot wait for " << command << ": " << describeSystemError(::GetLastError()) << '\n';
    ::CloseHandle(process.hProcess);
    return waited ? 0 : 1;
}

} // namespace rota
