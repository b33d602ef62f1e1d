// Reading a season file: every long-enough line goes to the reader of the
// data type, repeated games fold into doubleheaders, and the games of the
// league option remain, each with its team codes, ready for the team names.
#pragma once

#include "common/textlines.h"
#include "common/vocabulary.h"
#include "season/dataerror.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

struct SeasonOptions {
    DataType dataType = DataType::GameData;
    LeagueOption league = LeagueOption::AlNl;
    int year = 1900; // the season year chosen by the user, for the headed layouts
};

// A team as a season file names it: its code, and its league (none in
// Game Data).
struct SeasonTeam {
    std::string code;
    std::string league;
    bool operator==(const SeasonTeam&) const = default;
};

// One game of a season as read: a doubleheader is one game.
struct SeasonGame {
    std::array<char, 8> date; // MM/DD/YY, in digits
    std::uint32_t visitor;    // places in ParsedSeason::teams
    std::uint32_t home;
    bool doubleheader = false;

    std::string_view dateText() const { return {date.data(), date.size()}; }
};

struct ParsedSeason {
    std::vector<SeasonGame> games; // in file order
    std::vector<SeasonTeam> teams; // each once, in the order they first play: visitor, then home
    std::string seasonYear;        // two digits, prefix of the team texts
};

// The longest line a season file may hold: Retrosheet's lines are far
// shorter, so a longer one means the file is of another kind.
inline constexpr std::size_t kLongestLine = 65536;

// Called as lines are read: `done` of `total` bytes.
using LineProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads the games of the lines `lines` gives into `season` (emptied first).
// Throws NotTextError when the file is no text file: a line holds a control
// character other than tab, form feed and the end-of-file mark Ctrl-Z (a
// zero byte among them), or is longer than kLongestLine. No game is kept
// then, and this error wins over any other, wherever in the file it is.
// Throws DataError when a line cannot be read, or when a line's date or team
// fields are not what a Retrosheet file holds (digits, letters); `season`
// then keeps the games read before the failing line. Throws what `lines`
// throws (FileError for a file that fails while being read).
void readSeason(LineReader& lines, const SeasonOptions& options, ParsedSeason& season,
                const LineProgress& progress = {});

// The places of `season`'s games in the order of their MM/DD/YY dates as
// text (by month, then day, then year); games of one date keep their order.
std::vector<std::uint32_t> gamesInDateOrder(const ParsedSeason& season);

// The message for a load that found no game in `fileName`.
std::string noGamesMessage(const std::string& fileName, DataType dataType);

} // namespace rota
