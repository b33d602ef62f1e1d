// What the program learns from the system it runs on: where it keeps its
// own files, and whether a person watches its output.
#pragma once

#include <string>

namespace rota {

// The program folder: "rota.ini", the batch file, compiled data files and
// the box-score tool live there. On Windows the folder of the running
// program; elsewhere $ROTA_HOME, else "RotaSchedule" in the home folder.
std::string defaultProgramFolder();

// How the program folder is found, in words for help texts: the rule, not
// the folder it gives on this machine ("$ROTA_HOME, else ~/RotaSchedule").
const char* programFolderRule();

// The folder of the running executable ("" when it cannot be found).
std::string executableFolder();

// The box-score tool's file name on this system ("bgame" or "bgame.exe").
const char* boxScoreToolName();

// True when standard error is a terminal, so that progress can be shown.
bool standardErrorIsTerminal();

} // namespace rota
