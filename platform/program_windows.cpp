#include "platform/program.h"

#include "platform/windowserror.h"

#include <windows.h>

namespace rota {

namespace {

// `word` as the C runtime of the started program splits it back out of its
// command line: in quotes when it holds a blank or a quote, with the
// backslashes before a quote doubled. A word with one of the command
// interpreter's operators is quoted too, so that "cmd.exe /c" runs a batch
// file whose path holds one.
std::string quotedWord(const std::string& word)
{
    if (!word.empty() && word.find_first_of(" \t\"&|<>^()") == std::string::npos)
        return word;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr)
            ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// `path` opened for appending, in a handle that a started program inherits.
HANDLE openForAppending(const std::string& path, const std::string& program)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE file = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw ProgramError("Cannot open " + path + " for the output of " + program + ": " +
                           describeSystemError(::GetLastError()));
    return file;
}

} // namespace

int runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& workingDir,
               const std::string& appendOutputTo)
{
    std::string command = quotedWord(program);
    for (const std::string& arg : args)
        command += " " + quotedWord(arg);
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');

    // The program inherits the output file's handle as its standard output.
    const bool redirect = !appendOutputTo.empty();
    const Handle output(redirect ? openForAppending(appendOutputTo, program) : INVALID_HANDLE_VALUE);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (redirect) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output.get();
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, redirect, CREATE_NO_WINDOW, nullptr,
                          workingDir.c_str(), &startup, &process))
        throw ProgramError("Cannot run " + command + ": " + describeSystemError(::GetLastError()));
    ::CloseHandle(process.hThread);
    const Handle running(process.hProcess);
    DWORD status = 0;
    if (::WaitForSingleObject(running.get(), INFINITE) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(running.get(), &status))
        throw ProgramError("Cannot wait for " + command + ": " + describeSystemError(::GetLastError()));
    return static_cast<int>(status);
}

const char* batchInterpreter()
{
    return "cmd.exe";
}

} // namespace rota
