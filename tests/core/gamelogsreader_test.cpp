#include "season/gamelogsreader.h"

#include "tests/support/loadsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using test::loadText;
using Keys = std::vector<std::string>;

namespace {

std::string logLine(const std::string& date, const std::string& number, const std::string& day,
                    const std::string& vis, const std::string& visLeague, const std::string& home,
                    const std::string& homeLeague)
{
    return "\"" + date + "\"," + number + ",\"" + day + "\",\"" + vis + "\",\"" + visLeague + "\",12,\"" + home +
           "\",\"" + homeLeague + "\",12,3,2,54,\"D\",\"\",\"\",\"\",\"BAL10\"\n";
}

} // namespace

TEST(GameLogsReader, StandardLineGivesDateTeamsAndLeagues)
{
    auto r = loadText(logLine("20050403", "\"0\"", "Sun", "BOS", "AL", "NYA", "AL"), GameLogs, LeagueALNL, 1900,
                      "[Schedule Data]\nBOS AL=Sox\nNYA AL=Yanks\n");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.list[0], (GameRow{"04/03/05", "05Sox", "05Yanks", ""}));
    EXPECT_EQ(r.keys, Keys{"04/03/05 BOS NYA"});
    EXPECT_EQ(r.state.seasonYear, "05");
}

TEST(GameLogsReader, GameNumberOfAnyWidthQuotedOrNotIsPassedOver)
{
    for (const std::string number : {"0", "\"0\"", "12", "\"123\"", "\"\""}) {
        auto r = loadText(logLine("20050403", number, "Sun", "BOS", "AL", "NYA", "AL"), GameLogs);
        ASSERT_EQ(r.error, "") << number;
        EXPECT_EQ(r.keys, Keys{"04/03/05 BOS NYA"}) << number;
    }
}

TEST(GameLogsReader, CodesOfAnyLengthAreRead)
{
    auto r = loadText(logLine("18840501", "0", "Thu", "BALU", "UA", "CH", "AAX"), GameLogs);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.state.visitorCode, "BALU");
    EXPECT_EQ(r.state.visitorLeague, "UA");
    EXPECT_EQ(r.state.homeCode, "CH");
    EXPECT_EQ(r.state.homeLeague, "AAX");
}

TEST(GameLogsReader, DayOfWeekOfOtherLengthShiftsTheFields)
{
    auto r = loadText(logLine("20050403", "0", "Sund", "BOS", "AL", "NYA", "AL"), GameLogs);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.state.visitorCode, "\"BOS");
}

TEST(GameLogsReader, LowerCaseCodesStayInTheKeyAndAreLookedUpUpperCased)
{
    const std::string ini = "[Schedule Data]\nBOS AL=Sox\nNYA AL=Yanks\n";
    auto r = loadText(logLine("20050403", "0", "Sun", "bos", "al", "NYA", "AL") +
                          logLine("20050403", "0", "Sun", "BOS", "AL", "NYA", "AL"),
                      GameLogs, LeagueALNL, 1900, ini);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys, (Keys{"04/03/05 bos NYA", "04/03/05 BOS NYA"}));
    ASSERT_EQ(r.list.size(), 2u);
    EXPECT_EQ(r.list[0].vis, "05Sox");
    EXPECT_EQ(r.state.missingTeamCount, 0);
}

TEST(GameLogsReader, HeadedLayoutWithAndWithoutGameNumber)
{
    const std::string text = "\"Date\",\"Visitor\",\"Home\",\"League\",\"and more heading\"\n"
                             "\"04/13(1)\",\"BOS\",\"NYA\",\"A\",\"more to be long enough\"\n"
                             "\"04/13(2)\",\"BOS\",\"NYA\",\"A\",\"more to be long enough\"\n"
                             "\"04/14\",\"NYN\",\"PHI\",\"N\",\"more to be long enough\"\n";
    auto r = loadText(text, GameLogs, LeagueALNL, 2005);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys, (Keys{"04/13/05 BOS NYA", "04/13/05 BOS NYA", "04/14/05 NYN PHI"}));
    ASSERT_EQ(r.list.size(), 2u);
    EXPECT_EQ(r.list[0].dh, "/n:2");
    EXPECT_EQ(r.state.homeLeague, "NL");
}

TEST(GameLogsReader, InterleagueGameFollowsTheVisitor)
{
    const std::string text = logLine("20050403", "0", "Sun", "NYN", "NL", "NYA", "AL");
    EXPECT_EQ(loadText(text, GameLogs, LeagueA).list.size(), 0u);
    EXPECT_EQ(loadText(text, GameLogs, LeagueN).list.size(), 1u);
    EXPECT_EQ(loadText(text, GameLogs, LeagueALNL).list.size(), 1u);
}

TEST(GameLogsReader, MissingQuoteOrCommaIsADataErrorWithTheLine)
{
    const std::string good = logLine("20050403", "0", "Sun", "BOS", "AL", "NYA", "AL");
    auto noClose = loadText(good + "\"20050404\",0,\"Mon\",\"BOS\",\"AL\",12,\"NYA\",\"AL 12 3 2 54 and no closing mark\"\n",
                            GameLogs);
    EXPECT_EQ(noClose.error.rfind("line 2: column ", 0), 0u) << noClose.error;
    EXPECT_EQ(noClose.list.size(), 1u);
    auto noComma = loadText("\"20050403\"0\"Sun\"\"BOS\"\"AL\"12\"NYA\"\"AL\"12 3 2 54 \"D\" padding\n", GameLogs);
    EXPECT_EQ(noComma.error.rfind("line 1: column ", 0), 0u) << noComma.error;
}

TEST(GameLogsReader, RealGameLogLoads)
{
    auto r = test::loadFile(test::sampleFile("GL1915.TXT"), GameLogs, -1);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys.size(), 1864u);
    EXPECT_EQ(r.state.seasonYear, "15");
    std::size_t doubleheaders = 0;
    for (const auto& row : r.list.rows())
        doubleheaders += row.dh.empty() ? 0 : 1;
    EXPECT_EQ(r.list.size() + doubleheaders, 1864u);
    EXPECT_GT(doubleheaders, 50u);
}
