// rotasch: the command-line converter.
#include "cli/rotasch.h"
#include "platform/environment.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rota::cli::run(args, {std::cout, std::cerr, rota::standardErrorIsTerminal()});
}
