// The batch file "rotadata.bat" that stages a season's event files, runs the
// box-score tool over them and gathers its output into the data file.
#pragma once

#include "common/vocabulary.h"

#include <string>
#include <vector>

namespace rota {

inline constexpr const char* kBatchFileName = "rotadata.bat";

struct BatchSettings {
    std::string shortProgramDir; // S: short form of the program folder
    std::string yearText;        // Y: for example 1900
    std::string startKey;        // B: MMDD
    std::string endKey;          // E: MMDD
    std::string dataFileName;    // F: the data file name with ".txt"
    LeagueOption league = LeagueOption::AlNl; // "F" makes no block: bgame has no Federal League files
};

// The batch lines, in order, for `settings`. Cannot fail.
std::vector<std::string> composeBatch(const BatchSettings& settings);

} // namespace rota
