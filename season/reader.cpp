#include "season/reader.h"

#include "season/gamedatareader.h"
#include "season/gamelogsreader.h"
#include "season/scheduledatareader.h"

#include <algorithm>

namespace rota {

void ReadContext::fail(const std::string& what) const
{
    throw DataError("line " + std::to_string(lineIndex + 1) + ": " + what);
}

char ReadContext::column(std::size_t column) const
{
    const std::string& line = state.currentLine;
    if (column == 0 || column > line.size())
        fail("column " + std::to_string(column) + " is past the end of the line");
    return line[column - 1];
}

std::string ReadContext::columns(std::size_t from, std::size_t to) const
{
    const std::string& line = state.currentLine;
    if (to > line.size())
        column(std::max(from, line.size() + 1)); // reports the first missing column
    column(from);
    return line.substr(from - 1, to - from + 1);
}

void ReadContext::moveToNextLine()
{
    if (lineIndex + 1 >= lines.size())
        fail("the file has no line after its header line");
    ++lineIndex;
    state.currentLine = lines[lineIndex];
}

void ReadContext::recordGameKey()
{
    gameKeys.push_back(state.date + " " + state.visitorCode + " " + state.homeCode);
}

void ReadContext::applyLeagueOption()
{
    if (leagueOptionSkips(leagueIndex, state.visitorLeague))
        skip = true;
}

bool leagueOptionSkips(int leagueIndex, const std::string& visitorLeague)
{
    switch (leagueIndex) {
    case LeagueA:
        return visitorLeague == "NL" || visitorLeague == "FL";
    case LeagueN:
        return visitorLeague == "AL" || visitorLeague == "FL";
    case LeagueF:
        return visitorLeague == "AL" || visitorLeague == "NL";
    case LeagueALNL:
        return visitorLeague == "FL";
    default:
        return false;
    }
}

std::unique_ptr<SeasonReader> makeSeasonReader(int dataType)
{
    switch (dataType) {
    case GameData:
        return std::make_unique<GameDataReader>();
    case GameLogs:
        return std::make_unique<GameLogsReader>();
    case ScheduleData:
        return std::make_unique<ScheduleDataReader>();
    default:
        return nullptr;
    }
}

} // namespace rota
