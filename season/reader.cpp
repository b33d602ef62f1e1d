#include "season/reader.h"

#include "season/gamedatareader.h"
#include "season/gamelogsreader.h"
#include "season/scheduledatareader.h"

#include <algorithm>

namespace rota {

void ReadContext::fail(const std::string& what) const
{
    throw DataError(lineIndex, what);
}

char ReadContext::column(std::size_t column) const
{
    if (column == 0 || column > line.size())
        fail("column " + std::to_string(column) + " is past the end of the line");
    return line[column - 1];
}

std::string ReadContext::columns(std::size_t from, std::size_t to) const
{
    std::string text;
    appendColumns(text, from, to);
    return text;
}

void ReadContext::appendColumns(std::string& out, std::size_t from, std::size_t to) const
{
    if (to > line.size())
        column(std::max(from, line.size() + 1)); // reports the first missing column
    column(from);
    out.append(line.data() + from - 1, to - from + 1);
}

void ReadContext::readDate(std::string& out, std::size_t yearColumn, std::size_t monthColumn,
                           std::size_t dayColumn) const
{
    out.clear();
    appendColumns(out, monthColumn, monthColumn + 1);
    out += '/';
    appendColumns(out, dayColumn, dayColumn + 1);
    out += '/';
    appendColumns(out, yearColumn, yearColumn + 1);
}

void ReadContext::moveToNextLine()
{
    if (lineIndex + 1 >= lines.size())
        fail("the file has no line after its header line");
    ++lineIndex;
    line = lines[lineIndex];
}

void ReadContext::applyLeagueOption()
{
    if (leagueOptionSkips(league, game.visitorLeague))
        skip = true;
}

bool leagueOptionSkips(LeagueOption league, const std::string& visitorLeague)
{
    switch (league) {
    case LeagueOption::American:
        return visitorLeague == "NL" || visitorLeague == "FL";
    case LeagueOption::National:
        return visitorLeague == "AL" || visitorLeague == "FL";
    case LeagueOption::Federal:
        return visitorLeague == "AL" || visitorLeague == "NL";
    case LeagueOption::AlNl:
        return visitorLeague == "FL";
    }
    return false;
}

std::unique_ptr<SeasonReader> makeSeasonReader(DataType dataType)
{
    switch (dataType) {
    case DataType::GameData:
        return std::make_unique<GameDataReader>();
    case DataType::GameLogs:
        return std::make_unique<GameLogsReader>();
    case DataType::ScheduleData:
        return std::make_unique<ScheduleDataReader>();
    }
    return nullptr;
}

} // namespace rota
