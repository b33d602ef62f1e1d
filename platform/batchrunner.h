// Runs a batch file as the Windows command interpreter would, for the
// commands that "rotadata.bat" uses.
#pragma once

#include <ostream>
#include <string>

namespace rota {

// Runs the batch file `batchPath` with `workingDir` as its current folder
// and waits for its end; the current folder of the calling process is
// never changed. Failures are reported on `diagnostics`.
//
// On Windows the command interpreter runs it ("cmd.exe /c"), and the result
// is 1 only when it could not be started or waited for: its exit code says
// nothing about the batch's lines. Elsewhere a small interpreter
// of our own runs it: "cls", "cd", "copy" (a wildcard source joins every
// matching file into the target), "ren", "move", "del", and any other line
// runs a program, with ">>" appending its standard output to a file. Both
// backslash and slash separate folders, and file names match without regard
// to case. Every line runs whatever the lines before it did; a failing line
// is reported on `diagnostics` and the run goes on; the result is 0 when
// every line ran, else 1.
int runBatchFile(const std::string& batchPath, const std::string& workingDir, std::ostream& diagnostics);

} // namespace rota
