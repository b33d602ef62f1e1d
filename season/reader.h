// The interface between Open Season and the reader of each data type.
#pragma once

#include "platform/textlines.h"
#include "season/linestate.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace rota {

// A line of the season file that a reader cannot read. what() starts with
// the line number counted from 1, for example
// "line 1207: column 44 is past the end of the line".
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a reader sees and changes while it reads one line.
class ReadContext {
public:
    ReadContext(LineState& state, const TextLines& lines, std::vector<std::string>& gameKeys,
                int leagueIndex, int yearValue)
        : state(state), lines(lines), gameKeys(gameKeys), leagueIndex(leagueIndex), yearValue(yearValue)
    {
    }

    LineState& state;
    const TextLines& lines;                 // the whole file, in order
    std::vector<std::string>& gameKeys;     // one key per line handed to a reader
    std::size_t lineIndex = 0;              // index of state.currentLine in lines
    bool skip = false;                      // set when the league option drops the game
    const int leagueIndex;                  // "League" option
    const int yearValue;                    // "Select Year" spin value

    // The character at `column` (counted from 1) of the current line.
    // Throws DataError when the line ends before it.
    char column(std::size_t column) const;

    // Columns `from` to `to` of the current line. Throws DataError.
    std::string columns(std::size_t from, std::size_t to) const;

    // Makes the next line of the file the current one (a header was read).
    // Throws DataError when there is none.
    void moveToNextLine();

    // Appends date + " " + visitor code + " " + home code to the game keys.
    void recordGameKey();

    // Sets `skip` when the league option excludes the game's visiting league.
    void applyLeagueOption();

    [[noreturn]] void fail(const std::string& what) const;
};

// Reads the game of one line for one data type. A reader object lives for
// one load, so it may keep values from line to line.
class SeasonReader {
public:
    virtual ~SeasonReader() = default;

    // Lines shorter than this are not handed to the reader.
    virtual std::size_t minimumLength() const = 0;

    // Sets the date, codes (and leagues) of the game in ctx.state.currentLine,
    // records its game key and may set ctx.skip. Throws DataError.
    virtual void readLine(ReadContext& ctx) = 0;
};

// True when league option `leagueIndex` drops a game whose visiting league
// is `visitorLeague`.
bool leagueOptionSkips(int leagueIndex, const std::string& visitorLeague);

// The reader for `dataType`, or nullptr for an index that has none.
std::unique_ptr<SeasonReader> makeSeasonReader(int dataType);

} // namespace rota
