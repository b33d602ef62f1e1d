#include "config/teamlookup.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;

namespace {

LineState game(const std::string& visitor, const std::string& home, const std::string& year,
               const std::string& visitorLeague = "", const std::string& homeLeague = "")
{
    LineState s;
    s.visitorCode = visitor;
    s.homeCode = home;
    s.visitorLeague = visitorLeague;
    s.homeLeague = homeLeague;
    s.seasonYear = year;
    return s;
}

} // namespace

TEST(TeamNameLookup, MissingNamesAreAddedUpperCasedAndCounted)
{
    test::TempDir dir;
    TeamNameLookup lookup(dir.file("rota.ini"));
    LineState s = game("abc", "DEF", "27");
    lookup.lookup(GameData, s);
    EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[Game Data]\r\nABC=\r\nDEF=\r\n");
    EXPECT_EQ(s.visText, "27");
    EXPECT_EQ(s.homeText, "27");
    EXPECT_EQ(s.missingTeamCount, 2);

    // An entry with an empty value is counted again on every lookup.
    lookup.lookup(GameData, s);
    EXPECT_EQ(s.missingTeamCount, 4);
    EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[Game Data]\r\nABC=\r\nDEF=\r\n");
}

TEST(TeamNameLookup, ScheduleKeysCarryTheLeagueForBothNonGameDataTypes)
{
    for (int type : {GameLogs, ScheduleData}) {
        test::TempDir dir;
        TeamNameLookup lookup(dir.file("rota.ini"));
        LineState s = game("abc", "DEF", "27", "al", "nl");
        lookup.lookup(type, s);
        EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[Schedule Data]\r\nABC AL=\r\nDEF NL=\r\n");
    }
}

TEST(TeamNameLookup, NamesAreTakenAsWrittenAfterTheYear)
{
    test::TempDir dir;
    test::writeFile(dir.file("rota.ini"), "[game data]\nabc=XyZ\nDEF=Sox\n");
    TeamNameLookup lookup(dir.file("rota.ini"));
    LineState s = game("ABC", "def", "27");
    lookup.lookup(GameData, s);
    EXPECT_EQ(s.visText, "27XyZ");
    EXPECT_EQ(s.homeText, "27Sox");
    EXPECT_EQ(s.missingTeamCount, 0);
    EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[game data]\nabc=XyZ\nDEF=Sox\n");

    s.seasonYear.clear();
    lookup.lookup(GameData, s);
    EXPECT_EQ(s.visText, "XyZ");
}

TEST(TeamNameLookup, NamedTeamsNeedNoWriteSoAReadOnlyFileServes)
{
    test::TempDir dir;
    test::writeFile(dir.file("rota.ini"), "[Game Data]\nABC=X\nDEF=Y\n");
    test::setReadOnly(dir.file("rota.ini"), true);
    TeamNameLookup lookup(dir.file("rota.ini"));
    LineState s = game("ABC", "DEF", "05");
    EXPECT_NO_THROW(lookup.lookup(GameData, s));

    LineState unnamed = game("ABC", "GHI", "05");
    EXPECT_THROW(lookup.lookup(GameData, unnamed), FileError);
    EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[Game Data]\nABC=X\nDEF=Y\n");
}

TEST(TeamNameLookup, LatinOneCodesKeepTheirBytes)
{
    test::TempDir dir;
    TeamNameLookup lookup(dir.file("rota.ini"));
    LineState s = game("m\xe9x", "abc", "05");
    lookup.lookup(GameData, s);
    EXPECT_EQ(test::readFile(dir.file("rota.ini")), "[Game Data]\r\nM\xe9X=\r\nABC=\r\n");
}
