// The words every part of the program shares: the kind of Retrosheet data a
// season comes from, and the league option that picks its games.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace rota {

// The kinds of Retrosheet input, in the order the window offers them.
enum class DataType {
    GameData,     // a data file compiled from a season's event files
    GameLogs,     // a game-log file
    ScheduleData, // a schedule file
};

// Which leagues' games a load keeps, in the order the window offers them.
enum class LeagueOption {
    American, // "A"
    National, // "N"
    Federal,  // "F"
    AlNl,     // "AL/NL": both major leagues, not the Federal League
};

// A data file's game line (a line of the box-score tool's output for one
// game) is longer than 120 characters: the tool pads each game's line to at
// least this length, and only lines this long are taken for games.
inline constexpr std::size_t kShortestGameLine = 121;

// The option named on the command line: "A", "N", "F" or "ALNL" (any case).
std::optional<LeagueOption> leagueOptionNamed(std::string_view name);

// The data type named on the command line: "gamedata", "gamelogs" or
// "schedule".
std::optional<DataType> dataTypeNamed(std::string_view name);

} // namespace rota
