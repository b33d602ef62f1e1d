// The command line: convert Retrosheet files into ".sch" files, compile a
// season's event files, and show a ".sch" file, all through the session.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace rota::cli {

// Exit statuses of every command.
inline constexpr int kAllDone = 0;
inline constexpr int kSomethingFailed = 1;
inline constexpr int kUsageError = 2;

struct Console {
    std::ostream& out;     // results
    std::ostream& err;     // errors and progress
    bool terminal = false; // err is a terminal: show progress on long runs
};

// Runs `rotasch` with `args` (without the program name).
int run(const std::vector<std::string>& args, Console console);

} // namespace rota::cli
