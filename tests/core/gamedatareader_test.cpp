#include "season/gamedatareader.h"

#include "tests/support/loadsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using test::loadText;
using Keys = std::vector<std::string>;

namespace {

// A game line in the layout of the box-score output: date at columns
// 17-24, codes after the seventh comma, padded to `length`.
std::string gameLine(const std::string& date, const std::string& vis, const std::string& home,
                     std::size_t length = 130, const std::string& marker = "20")
{
    std::string line = "\"NYA" + marker + "2007310\",\"" + date + "\",0,\"Fri\",\"7:05\",\"nt\",\"NYC21\",\"" + vis +
                       "\",\"" + home + "\",";
    line.resize(length, 'x');
    return line + "\n";
}

} // namespace

TEST(GameDataReader, DateAndCodesFollowTheirColumns)
{
    auto r = loadText(gameLine("07/31/20", "BOS", "NYA"), GameData, LeagueALNL, 1900,
                      "[Game Data]\nBOS=Sox\nNYA=Yanks\n");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.list[0], (GameRow{"07/31/20", "20Sox", "20Yanks", ""}));
    EXPECT_EQ(r.keys, Keys{"07/31/20 BOS NYA"});
}

TEST(GameDataReader, MarkerSixtySevenMovesTheDateTwoColumnsLeft)
{
    std::string line = "\"NYA6704101\",\"04/10/67\",0,\"Mon\",\"1:05\",\"day\",\"NYC16\",\"BOS\",\"NYA\",";
    line.resize(125, 'x');
    auto r = loadText(line, GameData);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.state.date, "04/10/67");
    EXPECT_EQ(r.state.seasonYear, "67");
    for (const std::string other : {"68", "76", " 6"})
        EXPECT_EQ(loadText(gameLine("04/10/67", "BOS", "NYA", 130, other), GameData).state.date, "04/10/67");
}

TEST(GameDataReader, OnlyLongLinesAreGames)
{
    auto r = loadText(gameLine("07/31/20", "BOS", "NYA", 120) + gameLine("08/01/20", "BOS", "NYA", 121), GameData);
    EXPECT_EQ(r.keys, Keys{"08/01/20 BOS NYA"});
    EXPECT_EQ(r.state.seasonYear, "");
}

TEST(GameDataReader, SeasonYearComesFromLineZero)
{
    auto r = loadText(gameLine("04/10/67", "BOS", "NYA") + gameLine("04/11/68", "BOS", "NYA"), GameData);
    EXPECT_EQ(r.state.seasonYear, "67");
}

TEST(GameDataReader, SeventhCommaAnywhere)
{
    std::string line = "\"NYA202007310\",\"07/31/20\",a,b,c,d,";
    line.resize(59, 'x');
    line += ",\"BOS\",\"NYA\",";
    line.resize(125, 'y');
    ASSERT_EQ(line.substr(61, 3), "BOS"); // columns 62-64, after the seventh comma at 60
    auto r = loadText(line, GameData);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.keys, Keys{"07/31/20 BOS NYA"});
}

TEST(GameDataReader, TooFewCommasOrCodesPastTheEndAreDataErrors)
{
    std::string sixCommas = "\"NYA202007310\",\"07/31/20\",a,b,c,d," + std::string(100, 'z');
    auto r = loadText(gameLine("07/31/20", "BOS", "NYA") + sixCommas + "\n", GameData);
    EXPECT_EQ(r.error, "line 2: the line has fewer than seven commas");
    EXPECT_EQ(r.list.size(), 1u);

    std::string lateComma = std::string(119, 'q') + ",a,b,c,d,e,f,\"BO";
    lateComma.replace(0, 25, "\"NYA202007310\",\"07/31/20\"");
    auto late = loadText(lateComma, GameData);
    EXPECT_NE(late.error.find("past the end of the line"), std::string::npos) << late.error;
}
