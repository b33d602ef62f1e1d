#include "season/scheduledatareader.h"

#include "tests/support/loadsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using test::loadText;

namespace {

// A standard schedule line; `number` is the visiting team's game number.
std::string line(const std::string& date, const std::string& vis, const std::string& visLeague,
                 const std::string& number, const std::string& home, const std::string& homeLeague)
{
    return "\"" + date + "\",\"0\",\"Sun\",\"" + vis + "\",\"" + visLeague + "\"," + number + ",\"" + home + "\",\"" +
           homeLeague + "\",1,\"d\",\"\",\"\"\n";
}

const char* kNamed = "[Schedule Data]\nBOS AL=Sox\nNYA AL=Yanks\nNYN NL=Mets\nCHF FL=Whales\n";

} // namespace

TEST(ScheduleDataReader, StandardLineGivesDateTeamsLeaguesAndKey)
{
    auto r = loadText(line("20050403", "BOS", "AL", "1", "NYA", "AL"), ScheduleData, LeagueALNL, 1900, kNamed);
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.list.size(), 1u);
    EXPECT_EQ(r.list[0], (GameRow{"04/03/05", "05Sox", "05Yanks", ""}));
    EXPECT_EQ(r.keys, std::vector<std::string>{"04/03/05 BOS NYA"});
    EXPECT_EQ(r.state.seasonYear, "05");
    EXPECT_EQ(r.state.visitorLeague, "AL");
    EXPECT_EQ(r.state.homeLeague, "AL");
}

TEST(ScheduleDataReader, VisitorGameNumberWidthShiftsTheHomeTeam)
{
    for (const std::string number : {"1", "12", "123"}) {
        auto r = loadText(line("20050403", "BOS", "AL", number, "NYN", "NL"), ScheduleData);
        ASSERT_EQ(r.error, "") << number;
        EXPECT_EQ(r.state.homeCode, "NYN") << number;
        EXPECT_EQ(r.state.homeLeague, "NL") << number;
    }
}

TEST(ScheduleDataReader, HomeColumnsCarryOverALineWithoutAComma)
{
    // The second line has no comma at 34-36: the 3-digit places of the line
    // before are used.
    std::string text = line("20050403", "BOS", "AL", "123", "NYN", "NL") +
                       "\"20050404\",\"0\",\"Mon\",\"BOS\",\"AL\",1234,\"NYN\",\"NL\"\n";
    auto r = loadText(text, ScheduleData);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys[1], "04/04/05 BOS \"NY");
}

TEST(ScheduleDataReader, SeasonYearComesFromLineZeroOnly)
{
    auto r = loadText("short\n" + line("20050403", "BOS", "AL", "1", "NYA", "AL"), ScheduleData);
    EXPECT_EQ(r.state.seasonYear, "");
    EXPECT_EQ(r.list[0].vis, "");
}

TEST(ScheduleDataReader, LeagueOptionLooksAtTheVisitorOnly)
{
    const std::string interleague = line("20050403", "BOS", "AL", "1", "NYN", "NL");
    EXPECT_EQ(loadText(interleague, ScheduleData, LeagueA).list.size(), 1u);
    EXPECT_EQ(loadText(interleague, ScheduleData, LeagueN).list.size(), 0u);
    EXPECT_EQ(loadText(interleague, ScheduleData, LeagueF).list.size(), 0u);
    const std::string federal = line("19150410", "CHF", "FL", "1", "NYN", "NL");
    EXPECT_EQ(loadText(federal, ScheduleData, LeagueALNL).list.size(), 0u);
    EXPECT_EQ(loadText(federal, ScheduleData, LeagueF).list.size(), 1u);
    const std::string association = line("18840410", "BAL", "AA", "1", "NYN", "NL");
    EXPECT_EQ(loadText(association, ScheduleData, LeagueA).list.size(), 1u);
    EXPECT_EQ(loadText(association, ScheduleData, -1).list.size(), 1u);
    // A skipped game still records its key.
    EXPECT_EQ(loadText(interleague, ScheduleData, LeagueN).keys.size(), 1u);
}

TEST(ScheduleDataReader, HeadedLayoutTakesTheYearFromTheSpin)
{
    const std::string text = "\"Date\",\"Visitor\",\"Home\",\"League\",\"Notes\"\n"
                             "\"04/13(1)\",\"BOS\",\"NYA\",\"A\",\"\"\n"
                             "\"04/13(2)\",\"BOS\",\"NYA\",\"A\",\"\"\n"
                             "\"04/14\",\"NYN\",\"PHI\",\"N\",\"padding to 27\"\n";
    auto r = loadText(text, ScheduleData, LeagueALNL, 1967);
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.list.size(), 2u);
    EXPECT_EQ(r.keys, (std::vector<std::string>{"04/13/67 BOS NYA", "04/13/67 BOS NYA", "04/14/67 NYN PHI"}));
    EXPECT_EQ(r.list[0].dh, "/n:2");
    EXPECT_EQ(r.state.seasonYear, "67");
    EXPECT_EQ(r.state.homeLeague, "NL");
    EXPECT_EQ(loadText(text, ScheduleData, LeagueA, 1967).list.size(), 1u);
}

TEST(ScheduleDataReader, ShortHeaderIsNotRecognised)
{
    auto r = loadText("\"Date\",\"V\",\"H\",\"L\"\n" + line("20050403", "BOS", "AL", "1", "NYA", "AL"), ScheduleData);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.state.seasonYear, "");
    EXPECT_EQ(r.list.size(), 1u);
}

TEST(ScheduleDataReader, ColumnPastTheEndIsADataErrorNamingTheLine)
{
    auto r = loadText(line("20050403", "BOS", "AL", "1", "NYA", "AL") + "\"20050404\",\"0\",\"Mon\",\"BOS\",\"AL\",1,\"NY\n",
                      ScheduleData);
    EXPECT_EQ(r.error, "line 2: column 38 is past the end of the line");
    EXPECT_EQ(r.list.size(), 1u);

    auto headerOnly = loadText("\"Date\",\"Visitor\",\"Home\",\"League\"\n", ScheduleData);
    EXPECT_EQ(headerOnly.error, "line 1: the file has no line after its header line");
    auto shortSecond = loadText("\"Date\",\"Visitor\",\"Home\",\"League\"\n\"04/13\"\n", ScheduleData);
    EXPECT_EQ(shortSecond.error, "line 2: column 10 is past the end of the line");
}

TEST(ScheduleDataReader, RealScheduleFileLoadsEveryGame)
{
    auto r = test::loadFile(test::sampleFile("1915SKED.TXT"), ScheduleData, -1);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys.size(), 1848u);
    EXPECT_EQ(r.state.seasonYear, "15");
    EXPECT_EQ(r.list[0].date, "04/10/15");
    EXPECT_EQ(r.list[r.list.size() - 1].date.substr(0, 2), "10");
    EXPECT_NE(r.ini.find("[Schedule Data]\r\n"), std::string::npos);
    EXPECT_NE(r.ini.find("CHF FL=\r\n"), std::string::npos);
}
