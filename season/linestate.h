// The members that Open Season, its readers and the team name lookup share
// while a season is read, one game line at a time.
#pragma once

#include <string>

namespace rota {

// Item indexes of the "Retrosheet Data Type" radio group.
enum DataType : int {
    GameData = 0,
    GameLogs = 1,
    ScheduleData = 2,
};

// Item indexes of the "League" radio group.
enum LeagueOption : int {
    LeagueA = 0,
    LeagueN = 1,
    LeagueF = 2,
    LeagueALNL = 3,
};

struct LineState {
    std::string currentLine;   // the line being read
    std::string date;          // MM/DD/YY of the game being read: the row's caption
    std::string visitorCode;   // team codes as they stand in the line
    std::string homeCode;
    std::string visitorLeague; // leagues (Schedule Data and Game Logs only)
    std::string homeLeague;
    std::string seasonYear;    // two-digit year, prefix of the team texts
    std::string visText;       // set by the team name lookup
    std::string homeText;
    int missingTeamCount = 0;  // lookups that found no name during this load
};

} // namespace rota
