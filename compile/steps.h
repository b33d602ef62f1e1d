// Compile Data's work as steps, one to a line of the batch file
// "rotadata.bat": they stage a season's event files in the program folder's
// "data" folder, run the box-score tool over them and gather its output into
// the data file. Where the system has a command interpreter it runs the
// batch file; elsewhere the steps run directly (steprunner.h).
#pragma once

#include "common/vocabulary.h"

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace rota {

inline constexpr const char* kBatchFileName = "rotadata.bat";

// A folder or file that a step names: relative to the folder the run stands
// in (".." is its parent), or under the program folder, which the batch file
// names by its short form. Backslashes separate folders.
struct Place {
    bool underProgramFolder = false;
    std::string path; // under the program folder, "" is the folder itself

    static Place inProgramFolder(std::string path) { return {true, std::move(path)}; }
    static Place here(std::string path) { return {false, std::move(path)}; }
};

// The files a step takes from the folder the run stands in are named by a
// file name, or by "*." and an extension for every file that has it; names
// match without regard to case.

struct ClearScreen {}; // cls
struct ChangeFolder {  // cd FOLDER
    Place folder;
    bool trailingBlank = false; // the batch file's last line has always ended in one
};
struct JoinFiles { // copy FILES TARGET: the files, in name order, joined into TARGET
    std::string files, target;
};
struct RenameFile { // ren FROM TO
    std::string from, to;
};
struct MoveFile { // move FILE FOLDER, a backslash after the folder
    std::string file;
    Place folder;
};
struct DeleteFiles { // del FILES
    std::string files;
};
// TOOL -y YEAR -s START -e END -dsp EVENTS >> OUTPUT: the program folder's
// box-score tool, its standard output appended to OUTPUT.
struct RunBoxScore {
    std::string year, startKey, endKey;
    Place events, output;
};

using Step = std::variant<ClearScreen, ChangeFolder, JoinFiles, RenameFile, MoveFile, DeleteFiles, RunBoxScore>;

// One season's Compile Data.
struct CompileSettings {
    std::string dataFileName; // without ".txt"
    std::string startKey;     // MMDD, as the box-score tool takes it
    std::string endKey;
    int year = 1900;
    LeagueOption league = LeagueOption::AlNl; // "F" makes no block: bgame has no Federal League files
};

// The steps, in order, for `settings`. Cannot fail.
std::vector<Step> compileSteps(const CompileSettings& settings);

// The batch file's lines for `steps`, which name the program folder by
// `shortProgramDir`.
std::vector<std::string> batchLines(const std::vector<Step>& steps, const std::string& shortProgramDir);

} // namespace rota
