// Compiling a season straight from a folder of Retrosheet's files, as
// `rotasch compile` does. Compile Data's steps delete the files they stage,
// so they run on copies in a staging folder of their own, and the event
// folder is never changed.
#pragma once

#include "common/vocabulary.h"

#include <ostream>
#include <stdexcept>
#include <string>

namespace rota {

// A compile that could not make its data file; what() says why.
class CompileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct EventFolderCompile {
    std::string eventFolder;       // the season's event, roster and team files, among others
    std::string boxScoreTool;      // the tool that the steps run
    std::string dataFile;          // where the data file is written
    std::string startKey = "0401"; // MMDD
    std::string endKey = "1030";
    int year = 0;
    LeagueOption league = LeagueOption::AlNl;
};

// `given` when it is not "", else the program folder's box-score tool, else
// one installed beside the running program or in the package's library
// folder; "" when that is no file, or there is none.
std::string findBoxScoreTool(const std::string& given);

// Copies the season's files of `run.eventFolder` (YYYY*.EVA, YYYY*.EVN,
// *YYYY.ROS and TEAMYYYY, whatever the case of their names) and the
// box-score tool into a fresh staging folder under the system's temporary
// folder, compiles them there and writes the data file to `run.dataFile`.
// The staging folder goes at the end; those that killed runs left are
// removed first. The steps' complaints go to `diagnostics`. Throws
// CompileError when the event folder is no folder or holds no files of the
// season, when the batch file could not name the staging folder, or when no
// data file with games was made; FileError or
// std::filesystem::filesystem_error when a file cannot be copied or written.
void compileEventFolder(const EventFolderCompile& run, std::ostream& diagnostics);

} // namespace rota
