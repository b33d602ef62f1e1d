// The real Retrosheet samples, loaded and written through the session, give
// the ".sch" bytes the program has always written for them.
#include "platform/fileio.h"
#include "tests/support/loadsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using namespace std::string_literals;

TEST(Samples, ScheduleFilesAreWrittenByteForByte)
{
    test::TempDir dir;
    test::writeFile(dir.file("gl1915.txt"), test::readFile(test::sampleFile("GL1915.TXT")));
    struct Case {
        std::string season;
        DataType type;
        LeagueOption league;
        std::string expected;
    };
    std::vector<Case> cases{
        {test::dataFile("gamedata2020.txt"), DataType::GameData, LeagueOption::AlNl, "gamedata2020"},
        {dir.file("gl1915.txt"), DataType::GameLogs, LeagueOption::AlNl, "GL1915-ALNL"}};
    for (const char* option : {"A", "N", "F", "ALNL"}) {
        const LeagueOption league = *leagueOptionNamed(option);
        cases.push_back({test::sampleFile("1915SKED.TXT"), DataType::ScheduleData, league, "1915SKED-"s + option});
        cases.push_back({test::sampleFile("1915schedule.csv"), DataType::ScheduleData, league, "1915SKED-"s + option});
        cases.push_back({test::sampleFile("GL1915.TXT"), DataType::GameLogs, league, "GL1915-"s + option});
    }
    const std::string ini = test::readFile(test::dataFile("expected/rota.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.season + " " + c.expected);
        const test::Loaded r = test::loadFile(c.season, c.type, c.league, ini);
        ASSERT_TRUE(r.written.done()) << r.outcome.message << r.written.message;
        EXPECT_TRUE(r.sch == test::readFile(test::dataFile("expected/" + c.expected + ".sch")));
        EXPECT_EQ(r.ini, ini);
    }
}

TEST(Samples, ScheduleCsvOf2020LoadsEveryGame)
{
    const test::Loaded r = test::loadFile(test::sampleFile("2020schedule.csv"), DataType::ScheduleData);
    ASSERT_TRUE(r.written.done()) << r.outcome.message << r.written.message;
    std::size_t games = 0;
    for (const GameRow& row : r.rows)
        games += row.dh.empty() ? 1 : 2;
    EXPECT_EQ(games, 900u);
    EXPECT_EQ(r.rows.front().date, "07/23/20");
    EXPECT_EQ(r.rows.back().date, "09/27/20");
}
