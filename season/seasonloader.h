// The Open Season frame: reads a text file into the line buffer, hands every
// long-enough line to the reader of the data type, folds doubleheaders,
// looks the teams up and fills the season game list.
#pragma once

#include "config/teamlookup.h"
#include "platform/textlines.h"
#include "season/linestate.h"
#include "season/reader.h"
#include "season/seasonlist.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rota {

struct LoadOptions {
    int dataType = GameData;     // "Retrosheet Data Type" item index
    int leagueIndex = LeagueALNL; // "League" item index
    int yearValue = 1900;        // "Select Year" value
};

// The longest line a season file may hold: Retrosheet's lines are far
// shorter, so a longer one means the file is of another kind.
inline constexpr std::size_t kLongestLine = 65536;

// Throws DataError, naming the line, when `lines` cannot be a Retrosheet
// text file: a line holds a control character other than tab, form feed and
// the end-of-file mark (Ctrl-Z), or is longer than kLongestLine.
void checkTextFile(const TextLines& lines);

// The message for a load that found no game to list in `fileName`.
std::string noGamesMessage(const std::string& fileName, int dataType);

// The position (0 to 10000) of the progress bar after line `lineIndex` of
// `lineCount`: the quotient and the product in floating point, truncated.
int progressPosition(std::size_t lineIndex, std::size_t lineCount);

class SeasonLoader {
public:
    using ReaderFactory = std::function<std::unique_ptr<SeasonReader>(int dataType)>;
    using ProgressFunction = std::function<void(int position)>;

    explicit SeasonLoader(ReaderFactory readers = makeSeasonReader) : readers_(std::move(readers)) {}

    // The members that the readers and the lookup set, line by line.
    LineState state;

    // The hidden working lists: the lines of the file being read, and one
    // game key per line handed to a reader.
    const TextLines& lineBuffer() const { return lineBuffer_; }
    const std::vector<std::string>& gameKeys() const { return gameKeys_; }

    // Start of a load: no team missing yet.
    void begin() { state.missingTeamCount = 0; }

    // Empties the season game list (sorting off), the game keys and the
    // line buffer.
    void clear(SeasonList& list);

    // Reads the file at `path` into the line buffer. Throws FileError.
    void readFile(const std::string& path);

    // Puts the lines of `bytes` into the line buffer, as readFile does.
    void readText(std::string bytes);

    // Reads every line of the buffer into `list`, calling `progress` after
    // each line handed to a reader. Throws DataError (a file that is no text
    // file, before anything is read, or a line that cannot be read) or
    // FileError (the configuration file); the rows added so far stay in
    // `list`.
    void readGames(const LoadOptions& options, SeasonList& list, TeamNameLookup& lookup,
                   const ProgressFunction& progress = {});

    // End of a load: switches the list to sorting by date.
    static void finish(SeasonList& list) { list.sortByDate(); }

private:
    ReaderFactory readers_;
    TextLines lineBuffer_;
    std::vector<std::string> gameKeys_;
};

} // namespace rota
