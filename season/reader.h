// The interface between the season loader and the reader of each data type.
#pragma once

#include "common/textlines.h"
#include "common/vocabulary.h"
#include "season/dataerror.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace rota {

// The fields of one game as a reader finds them in its line.
struct GameLine {
    std::string date;        // MM/DD/YY
    std::string visitorCode; // team codes as they stand in the line
    std::string homeCode;
    std::string visitorLeague; // leagues (not in Game Data)
    std::string homeLeague;
};

// What a reader sees and changes while it reads one line.
class ReadContext {
public:
    ReadContext(LineReader& lines, LeagueOption league, int yearValue, std::string& seasonYear)
        : lines(lines), league(league), yearValue(yearValue), seasonYear(seasonYear)
    {
    }

    LineReader& lines;         // the file, read line by line
    std::size_t lineIndex = 0; // index of `line` in the file
    std::string_view line;     // the line being read
    GameLine game;             // what the reader found
    bool skip = false;         // set when the league option drops the game
    const LeagueOption league;
    const int yearValue;     // the season year chosen by the user
    std::string& seasonYear; // two-digit year, prefix of the team texts

    // The character at `column` (counted from 1) of the line.
    // Throws DataError when the line ends before it.
    char column(std::size_t column) const
    {
        if (column == 0 || column > line.size())
            failPastEnd(column);
        return line[column - 1];
    }

    // Columns `from` to `to` of the line. Throws DataError.
    std::string columns(std::size_t from, std::size_t to) const;

    // Appends columns `from` to `to` of the line to `out`. Throws DataError.
    void appendColumns(std::string& out, std::size_t from, std::size_t to) const
    {
        if (from == 0 || to < from || to > line.size())
            failPastEnd(to > line.size() ? std::max(from, line.size() + 1) : from);
        out.append(line.data() + from - 1, to - from + 1);
    }

    // Sets `out` to the date made of the year, month and day in columns
    // from `yearColumn`, `monthColumn` and `dayColumn` (two each): MM/DD/YY.
    void readDate(std::string& out, std::size_t yearColumn, std::size_t monthColumn, std::size_t dayColumn) const;

    // Makes the next line of the file the current one and returns true, or
    // returns false at the end of the file. Throws NotTextError when the
    // line cannot be a line of a text file.
    bool readNextLine();

    // Makes the next line of the file the current one (a header was read).
    // Throws DataError when there is none.
    void moveToNextLine();

    // Sets `skip` when the league option excludes the game's visiting league.
    void applyLeagueOption();

    [[noreturn]] void fail(const std::string& what) const;

private:
    // Fails saying that `column` is past the end of the line.
    [[noreturn]] void failPastEnd(std::size_t column) const;

    bool started_ = false;
};

// Reads the game of one line for one data type. A reader object lives for
// one load, so it may keep values from line to line.
class SeasonReader {
public:
    virtual ~SeasonReader() = default;

    // Lines shorter than this are not handed to the reader. Asked before
    // every line: a reader may change it once it knows the file's layout.
    virtual std::size_t minimumLength() const = 0;

    // Sets ctx.game from ctx.line and may set ctx.skip. Throws DataError.
    virtual void readLine(ReadContext& ctx) = 0;

    // True when a repeat of a game anywhere in the file, not only on the
    // next line, is the second game of a doubleheader.
    virtual bool foldsDistantRepeats() const { return false; }
};

// The reader for `dataType`.
std::unique_ptr<SeasonReader> makeSeasonReader(DataType dataType);

} // namespace rota
