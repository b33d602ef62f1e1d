// The Compile Data command without its window: the checks of the season
// settings, and composing, saving and running the batch file.
#pragma once

#include "compile/batchscript.h"

#include <ostream>
#include <stdexcept>
#include <string>

namespace rota {

inline constexpr const char* kNoFileNameMessage = "You need to input a filename.";
inline constexpr const char* kBadFileNameMessage =
    "The data file name may hold only letters, digits, \"_\" and \"-\".";
inline constexpr const char* kBadStartDateMessage = "You need to enter a valid start date (MM/DD)";
inline constexpr const char* kBadEndDateMessage = "You need to enter a valid end date (MM/DD)";

// The settings as the window holds them.
struct CompileInput {
    std::string dataFileName; // "Data File Name" text, without ".txt"
    std::string startDate;    // "Start Date" text under its mask, e.g. "04/01"
    std::string endDate;      // "End Date" text
    int year = 1900;          // "Select Year" value
    LeagueOption league = LeagueOption::AlNl;
};

// Characters 1, 2, 4 and 5 of a mask text "MM/DD": "04/01" gives "0401".
// Throws std::invalid_argument for a text shorter than five characters.
std::string dateKey(const std::string& maskText);

// True when `key` is zero or more blanks followed by one or more digits.
bool keyConverts(const std::string& key);

// True when `name` holds only letters, digits, "_" and "-".
bool isSafeDataFileName(const std::string& name);

// The first check message that `input` fails, in the order file name,
// start date, end date; "" when every check passes. Throws
// std::invalid_argument for a date text shorter than five characters.
std::string compileInputProblem(const CompileInput& input);

// Why the batch file cannot use `shortProgramDir`, or "" when it can: an
// empty short path, or one with a blank or a character that the command
// interpreter would take as an operator.
std::string programDirProblem(const std::string& shortProgramDir);

// The batch settings for `input` in the program folder `shortProgramDir`.
BatchSettings batchSettingsFor(const CompileInput& input, const std::string& shortProgramDir);

// The message shown when a run left no data file in the program folder.
std::string missingDataFileMessage(const std::string& dataFileName, const std::string& programDir);

// Composes the batch for `input`, saves it as "rotadata.bat" in
// `programDir`, runs it there (the interpreter's complaints go to
// `diagnostics`) and returns true when the run made the data file in
// `programDir` and it holds games. A data file of an earlier run is set aside while the batch
// runs, so it cannot pass for a new one, and put back when the run makes
// none. Throws FileError when the batch cannot be saved or the old file
// cannot be set aside, and std::invalid_argument as compileInputProblem
// does.
bool compileSeason(const std::string& programDir, const CompileInput& input, std::ostream& diagnostics);

} // namespace rota
