// The team names of "rota.ini": each data type has a section in which a
// team's key (its code, and for schedules and game logs its league) names
// the team as the game knows it.
#pragma once

#include "common/vocabulary.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

inline constexpr const char* kConfigFileName = "rota.ini";
inline constexpr const char* kGameDataSection = "Game Data";
inline constexpr const char* kScheduleDataSection = "Schedule Data";

// The section that `dataType` looks its teams up in.
std::string configSection(DataType dataType);

// A team's key: the code upper-cased for Game Data, the code and league
// upper-cased and joined by a blank for the other types ("BOS AL").
std::string teamKey(DataType dataType, std::string_view code, std::string_view league);

struct TeamNames {
    std::vector<std::string> names;       // one per key asked for, "" when none
    std::vector<std::string> missingKeys; // those keys, each once, in order
};

// What the keys are called in `section` of the configuration file at
// `configPath`. With `addMissing`, every key without a name gets an empty
// entry, in the order asked, so that the user can fill it in later; the
// file is read, changed and written under its lock, and made when missing.
// Throws FileError.
TeamNames lookUpTeamNames(const std::string& configPath, const std::string& section,
                          const std::vector<std::string>& keys, bool addMissing);

} // namespace rota
