// The team name lookup: turns the codes (and leagues) of a game into its
// Vis and Home texts through "rota.ini", adding an empty entry for every
// team that has no name yet.
#pragma once

#include "platform/inifile.h"
#include "season/linestate.h"

#include <string>

namespace rota {

inline constexpr const char* kConfigFileName = "rota.ini";
inline constexpr const char* kGameDataSection = "Game Data";
inline constexpr const char* kScheduleDataSection = "Schedule Data";

// Upper-cases the ASCII letters of `text`; other bytes stay as they are.
std::string upperCase(std::string text);

// The configuration key of a team: the code upper-cased for Game Data, the
// code and league upper-cased and joined by a blank for the other types.
std::string teamKey(int dataType, const std::string& code, const std::string& league);

// The section that `dataType` looks its teams up in ("" for an unknown type).
std::string sectionFor(int dataType);

class TeamNameLookup {
public:
    // `iniPath` is the configuration file; it is created on the first write.
    explicit TeamNameLookup(std::string iniPath) : store_(std::move(iniPath)) {}

    // Sets state.visText and state.homeText to the season year followed by
    // each team's configured name. A team without a name gets an empty entry
    // written to the file and adds 1 to state.missingTeamCount. Throws
    // FileError when the file cannot be read, or written when it must be.
    void lookup(int dataType, LineState& state);

private:
    IniStore store_;
};

} // namespace rota
