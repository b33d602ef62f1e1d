#include "platform/program.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace rota {

int runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& workingDir,
               const std::string& appendOutputTo)
{
    int output = -1;
    if (!appendOutputTo.empty()) {
        output = ::open(appendOutputTo.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (output < 0)
            throw ProgramError("Cannot open " + appendOutputTo + " for the output of " + program + ": " +
                               std::strerror(errno));
    }
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output >= 0)
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output >= 0)
        ::close(output);
    if (error != 0)
        throw ProgramError("Cannot run " + program + ": " + std::strerror(error));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw ProgramError("Cannot wait for " + program + ": " + std::strerror(errno));
    }
    if (WIFSIGNALED(status))
        throw ProgramError(program + " was ended by signal " + std::to_string(WTERMSIG(status)));
    return WEXITSTATUS(status);
}

const char* batchInterpreter()
{
    return "";
}

} // namespace rota
