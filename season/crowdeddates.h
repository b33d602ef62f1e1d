// Dates with more games than a ".sch" day record holds, and moving games
// off them to nearby days so that a season fits.
#pragma once

#include "season/seasonlist.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rota {

// The games a day record of a ".sch" file holds.
inline constexpr std::size_t kGamesPerDate = 15;

// A date of the list with more than kGamesPerDate games.
struct CrowdedDate {
    std::string date;
    std::size_t games = 0;
    bool operator==(const CrowdedDate&) const = default;
};

// The crowded dates of `rows`, in list order.
std::vector<CrowdedDate> crowdedDates(const std::vector<GameRow>& rows);

// A game moved off a crowded date.
struct MovedGame {
    std::string visitor, home; // the game's team texts
    std::string from, to;      // MM/DD/YY
    std::size_t index = 0;     // its place in the list once every move is made
    bool operator==(const MovedGame&) const = default;
};

struct FitReport {
    std::vector<MovedGame> moves;   // in the order they were made
    std::vector<CrowdedDate> stuck; // crowded dates none of whose games could move
    bool fits() const { return stuck.empty(); }
};

// Moves games off the crowded dates of `list` (sorted, see sortByDate) until every
// date holds at most kGamesPerDate games, as far as that can be done:
// dates are taken in list order, and while a date has too many games, one
// of them moves to the nearest date that has fewer than kGamesPerDate games
// and on which neither of the game's teams (its Vis and Home texts, as the
// game will show them) plays. Nearest means the next day first, then the day
// before, then two days after, two days before, and so on, over real
// calendar dates (month lengths and leap years; the two-digit year is the
// crowded date's) between the list's first and last dates. Of the date's
// games that can go to that date, the last in list order moves, keeping its
// doubleheader mark, and counts where it lands. A crowded date none of
// whose games can move is reported and left as it is. Dates that are not
// MM/DD/YY calendar dates (edited by hand) take no part. The list stays
// sorted by date; a moved game goes after the games already on its new date.
FitReport fitCrowdedDates(SeasonList& list);

} // namespace rota
