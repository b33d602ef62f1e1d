// The Compile Data command without its window: the checks of the season
// settings, and writing the season's steps out as the batch file and
// running them.
#pragma once

#include "compile/steps.h"

#include <ostream>
#include <stdexcept>
#include <string>

namespace rota {

inline constexpr const char* kNoFileNameMessage = "You need to input a filename.";
inline constexpr const char* kBadFileNameMessage = "The data file name may hold only letters, digits, \"_\" and \"-\".";
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

// The first check message that `input` fails, in the order file name,
// start date, end date; "" when every check passes. Throws
// std::invalid_argument for a date text shorter than five characters.
std::string compileInputProblem(const CompileInput& input);

// Why the batch file cannot use `shortProgramDir`, or "" when it can: an
// empty short path, or one with a blank or a character that the command
// interpreter would take as an operator.
std::string programDirProblem(const std::string& shortProgramDir);

// The message shown when a run left no data file in the program folder.
std::string missingDataFileMessage(const std::string& dataFileName, const std::string& programDir);

// Writes the steps of `settings` as "rotadata.bat" in `programDir` and
// runs them there: the system's command interpreter runs the batch file, or
// where there is none the steps run directly; the complaints of either go to
// `diagnostics`. Returns true when the run made the data file in
// `programDir` and it holds games. A data file of an earlier run is set
// aside while the steps run, so it cannot pass for a new one, and put back
// when the run makes none. Throws FileError when the batch file cannot be
// saved or the old file cannot be set aside.
bool compileSeason(const std::string& programDir, const CompileSettings& settings, std::ostream& diagnostics);

// compileSeason for the settings as the window holds them. Throws
// std::invalid_argument as compileInputProblem does.
bool compileSeason(const std::string& programDir, const CompileInput& input, std::ostream& diagnostics);

} // namespace rota
