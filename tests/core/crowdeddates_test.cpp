// Moving games off dates with more than a .sch day holds: which game goes
// where, and the dates none of whose games can go anywhere.
#include "season/crowdeddates.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace rota;
using Rows = std::vector<GameRow>;

namespace {

using test::teamCode;

// `count` games on `date` between teams first, first + 1, ... in pairs.
Rows pairs(const std::string& date, int first, int count)
{
    Rows rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({date, teamCode(first + 2 * i), teamCode(first + 2 * i + 1), ""});
    return rows;
}

Rows game(const std::string& date, const std::string& vis, const std::string& home, const char* dh = "")
{
    return {{date, vis, home, dh}};
}

Rows operator+(Rows a, const Rows& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// `games` games on `date` among `teams`, each of which plays in them.
Rows roundRobin(const std::string& date, const std::vector<std::string>& teams, int games)
{
    Rows rows;
    for (int i = 0; static_cast<int>(rows.size()) < games; ++i)
        rows.push_back({date, teams[i % teams.size()], teams[(i + 1 + i / teams.size()) % teams.size()], ""});
    return rows;
}

// The rows as the list holds them after loading: sorted by date, file
// order kept within a date.
SeasonList listOf(const Rows& rows)
{
    SeasonList list;
    for (const GameRow& row : rows)
        list.append(row.date, row.vis, row.home, row.dh.c_str());
    list.sortByDate();
    return list;
}

} // namespace

TEST(FitCrowdedDates, MovesTheLastGameThatCanGoToTheNearestDayWithRoom)
{
    const std::vector<std::string> eight = {"A", "B", "C", "D", "E", "F", "G", "H"};
    const struct {
        Rows rows;
        std::vector<MovedGame> moves;
        std::vector<CrowdedDate> stuck = {};
    } cases[] = {
        // a two-park doubleheader: the second game, whose teams are off the next day, moves there
        {pairs("07/07/00", 1, 15) + game("07/08/00", "NYA", "NYN") + pairs("07/08/00", 1, 14) +
             game("07/08/00", "NYN", "NYA") + pairs("07/09/00", 1, 14),
         {{"NYN", "NYA", "07/08/00", "07/09/00", 44}}},
        // the next day full: the day before
        {pairs("07/07/00", 1, 14) + game("07/08/00", "NYA", "NYN") + pairs("07/08/00", 1, 14) +
             game("07/08/00", "NYN", "NYA") + pairs("07/09/00", 1, 15),
         {{"NYN", "NYA", "07/08/00", "07/07/00", 14}}},
        // every team plays on the days either side: two days after, before two days before
        {pairs("07/06/00", 1, 7) + game("07/07/00", "NYA", "NYN") + pairs("07/07/00", 1, 7) +
             game("07/08/00", "NYA", "NYN") + pairs("07/08/00", 1, 7) + pairs("07/08/00", 1, 7) +
             game("07/08/00", "NYN", "NYA") + game("07/09/00", "NYN", "NYA") + pairs("07/09/00", 1, 7) +
             pairs("07/10/00", 1, 7),
         {{"NYN", "NYA", "07/08/00", "07/10/00", 45}}},
        // the last game that can go, not the last of the date
        {game("07/07/00", "T31", "T32") + pairs("07/07/00", 5, 13) + pairs("07/08/00", 1, 16),
         {{"T03", "T04", "07/08/00", "07/07/00", 14}}},
        // a leap year's 29 February
        {pairs("02/28/04", 1, 16) + pairs("03/01/04", 1, 15), {{"T31", "T32", "02/28/04", "02/29/04", 15}}},
        // no 29 February in another year, and no day outside the season
        {pairs("02/28/03", 1, 16) + pairs("03/01/03", 1, 15), {}, {{"02/28/03", 16}}},
        // a month's last day, then the next month's first
        {pairs("06/29/05", 1, 15) + pairs("06/30/05", 1, 16) + pairs("07/01/05", 1, 14) + pairs("07/03/05", 1, 1),
         {{"T31", "T32", "06/30/05", "07/01/05", 44}}},
        // a moved game counts where it lands: the next fills, then the day before
        {pairs("05/29/84", 1, 14) + pairs("05/30/84", 1, 17) + pairs("05/31/84", 1, 14),
         {{"T33", "T34", "05/30/84", "05/31/84", 44}, {"T31", "T32", "05/30/84", "05/29/84", 14}}},
        // every team of the date plays on every day with room
        {roundRobin("05/29/84", eight, 12) + roundRobin("05/30/84", eight, 19) + roundRobin("05/31/84", eight, 12),
         {},
         {{"05/30/84", 19}}},
        // a doubleheader keeps its mark
        {pairs("07/07/00", 1, 15) + pairs("07/08/00", 1, 15) + game("07/08/00", "T31", "T32", kDoubleheaderMark) +
             pairs("07/09/00", 3, 1),
         {{"T31", "T32", "07/08/00", "07/09/00", 31}}},
        // a date edited into no calendar date
        {pairs("07/07/00", 1, 1) + pairs("13/08/00", 1, 16), {}, {{"13/08/00", 16}}},
        // nothing crowded
        {pairs("07/07/00", 1, 15), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        SeasonList list = listOf(c.rows);
        const FitReport report = fitCrowdedDates(list);
        EXPECT_EQ(report.moves, c.moves);
        EXPECT_EQ(report.stuck, c.stuck);
        EXPECT_EQ(report.fits(), c.stuck.empty());
        // The same games, sorted by date, each moved one at its new date and
        // index with its mark, and no crowded date left but those reported.
        EXPECT_EQ(list.size(), c.rows.size());
        EXPECT_TRUE(std::is_sorted(list.rows().begin(), list.rows().end(),
                                   [](const GameRow& a, const GameRow& b) { return a.date < b.date; }));
        for (const MovedGame& move : report.moves) {
            ASSERT_LT(move.index, list.size());
            EXPECT_EQ(list[move.index].date + list[move.index].vis + list[move.index].home,
                      move.to + move.visitor + move.home);
        }
        EXPECT_EQ(crowdedDates(list.rows()), c.stuck);
        for (const GameRow& row : c.rows) {
            if (!row.dh.empty()) {
                EXPECT_EQ(std::count_if(list.rows().begin(), list.rows().end(),
                                        [&](const GameRow& r) { return r.vis == row.vis && r.dh == row.dh; }),
                          1);
            }
        }
    }
}
