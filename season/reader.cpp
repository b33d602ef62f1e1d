#include "season/reader.h"

#include "season/gamedatareader.h"
#include "season/gamelogsreader.h"
#include "season/scheduledatareader.h"
#include "season/seasonloader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace rota {

namespace {

// True when one of the eight bytes of `word` is below 0x20.
constexpr bool holdsControlByte(std::uint64_t word)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    return ((word - ones * 0x20) & ~word & highs) != 0;
}

bool isAllowedControl(unsigned char byte)
{
    return byte == '\t' || byte == '\f' || byte == 0x1a;
}

// The first byte of `line` that no text file holds, or npos.
std::size_t firstForbiddenByte(std::string_view line)
{
    std::size_t c = 0;
    // Sixteen bytes at a time while none is a control character; from the
    // first word that holds one (a tab, say), byte by byte.
    for (; c + 16 <= line.size(); c += 16) {
        std::uint64_t first, second;
        std::memcpy(&first, line.data() + c, 8);
        std::memcpy(&second, line.data() + c + 8, 8);
        if (holdsControlByte(first) || holdsControlByte(second))
            break;
    }
    for (; c < line.size(); ++c) {
        const auto byte = static_cast<unsigned char>(line[c]);
        if (byte < 0x20 && !isAllowedControl(byte))
            return c;
    }
    return std::string_view::npos;
}

// Throws NotTextError, naming the line, when `line` cannot be a line of a
// Retrosheet text file.
void checkTextLine(std::string_view line, std::size_t lineIndex)
{
    if (line.size() > kLongestLine)
        throw NotTextError(lineIndex, "the line is longer than " + std::to_string(kLongestLine) +
                                          " characters, far too long for a Retrosheet file");
    if (const std::size_t c = firstForbiddenByte(line); c != std::string_view::npos)
        throw NotTextError(lineIndex, "column " + std::to_string(c + 1) + " holds the control character " +
                                          std::to_string(static_cast<unsigned char>(line[c])) +
                                          ": this is not a text file");
}

// True when `league` drops a game whose visiting league is `visitorLeague`.
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

} // namespace

bool ReadContext::readNextLine()
{
    std::string_view next;
    if (!lines.next(next))
        return false;
    if (started_)
        ++lineIndex;
    started_ = true;
    checkTextLine(next, lineIndex);
    line = next;
    return true;
}

void ReadContext::fail(const std::string& what) const
{
    throw DataError(lineIndex, what);
}

void ReadContext::failPastEnd(std::size_t column) const
{
    fail("column " + std::to_string(column) + " is past the end of the line");
}

std::string ReadContext::columns(std::size_t from, std::size_t to) const
{
    std::string text;
    appendColumns(text, from, to);
    return text;
}

void ReadContext::readDate(std::string& out, std::size_t yearColumn, std::size_t monthColumn,
                           std::size_t dayColumn) const
{
    const char date[8] = {column(monthColumn), column(monthColumn + 1), '/',
                          column(dayColumn),   column(dayColumn + 1),   '/',
                          column(yearColumn),  column(yearColumn + 1)};
    out.assign(date, sizeof date);
}

void ReadContext::moveToNextLine()
{
    if (!readNextLine())
        fail("the file has no line after its header line");
}

void ReadContext::applyLeagueOption()
{
    if (leagueOptionSkips(league, game.visitorLeague))
        skip = true;
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
