// Runs Compile Data's steps directly, on systems without a command
// interpreter for the batch file: with the same effects as its lines.
#pragma once

#include "compile/steps.h"

#include <ostream>
#include <string>
#include <vector>

namespace rota {

// Runs `steps`, standing first in the program folder `programDir`; our own
// current folder is never changed. The box-score tool is the program
// folder's, and runs in the folder the run stands in. Every step runs
// whatever the steps before it did: one that fails is reported on
// `diagnostics` and the run goes on, as the command interpreter goes on past
// a failing line. Returns true when every step did its work.
bool runSteps(const std::vector<Step>& steps, const std::string& programDir, std::ostream& diagnostics);

} // namespace rota
