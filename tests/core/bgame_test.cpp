#include "tools/bgame/eventfile.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using namespace rota::bgame;

TEST(BoxScoreStandIn, ReadsEveryGameOfARealEventFile)
{
    const auto games = parseEventFile(readFileBytes(test::sampleFile("2020NYA.EVA")));
    ASSERT_FALSE(games.empty());
    EXPECT_EQ(games.front().id, "NYA202007310");
    EXPECT_EQ(games.front().visitingTeam, "BOS");
    EXPECT_EQ(games.front().homeTeam, "NYA");
    EXPECT_EQ(monthDayKey(games.front()), 731);
    for (const auto& game : games)
        EXPECT_EQ(game.homeTeam, "NYA") << game.id;
}

TEST(BoxScoreStandIn, GameLineFitsTheReaderColumns)
{
    for (const char* name : {"2020NYA.EVA", "2020NYN.EVN"})
        for (const auto& game : parseEventFile(readFileBytes(test::sampleFile(name)))) {
            const std::string line = gameLine(game);
            ASSERT_GT(line.size(), 120u) << game.id;
            EXPECT_EQ(line.substr(16, 8), game.date.substr(5, 2) + "/" + game.date.substr(8, 2) + "/20");
            std::size_t comma = 0;
            for (int i = 0; i < 7; ++i)
                comma = line.find(',', comma + (i ? 1 : 0));
            EXPECT_EQ(line.substr(comma + 2, 3), game.visitingTeam);
            EXPECT_EQ(line.substr(comma + 8, 3), game.homeTeam);
        }
}

TEST(BoxScoreStandIn, KeysAllowLeadingBlanks)
{
    EXPECT_EQ(parseKey("0401"), 401);
    EXPECT_EQ(parseKey(" 401"), 401);
    EXPECT_EQ(parseKey("04 1"), -1);
    EXPECT_EQ(parseKey(""), -1);
}
