// Running another program and waiting for its end.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace rota {

// A program that could not be started, or ended by a signal; what() names
// the program and the cause.
class ProgramError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs `program` with `args` in the folder `workingDir` and waits for its
// end; our own current folder is never changed. Its standard output is
// appended to the file `appendOutputTo` (made when missing), or goes where
// ours goes when that is "". Returns its exit status. Throws ProgramError
// when the output file cannot be opened or the program cannot be started
// or waited for, and when it is ended by a signal.
int runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& workingDir,
               const std::string& appendOutputTo = {});

// The command interpreter that runs batch files ("cmd.exe" on Windows), or
// "" on systems that have none.
const char* batchInterpreter();

} // namespace rota
