// rota.ini: the team names a load looks up and adds, and the team table the
// user edits while other programs may change the file.
#include "config/teamtable.h"
#include "platform/fileio.h"
#include "tests/support/loadsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using namespace std::string_literals;

namespace {

const std::string kSeason = "\"20050403\",\"0\",\"Sun\",\"NYA\",\"AL\",1,\"BOS\",\"AL\",1,\"d\",\"\",\"\"\n"
                            "\"20050404\",\"0\",\"Mon\",\"NYA\",\"AL\",1,\"CHF\",\"FL\",1,\"d\",\"\",\"\"\n"
                            "\"20050405\",\"0\",\"Tue\",\"nya\",\"al\",1,\"bos\",\"al\",1,\"d\",\"\",\"\"\n";

} // namespace

TEST(TeamNames, MissingTeamsAreAddedInOrderAndNamedOnesUsed)
{
    const test::Loaded r =
        test::loadText(kSeason, DataType::ScheduleData, LeagueOption::AlNl, "[schedule data]\nbos al=Sox\n");
    ASSERT_TRUE(r.outcome.done()) << r.outcome.message;
    EXPECT_EQ(r.missingTeams, (std::vector<std::string>{"NYA AL", "CHF FL"}));
    EXPECT_EQ(r.ini, "[schedule data]\r\nbos al=Sox\r\nNYA AL=\r\nCHF FL=\r\n");
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].vis + "@" + r.rows[0].home + " " + r.rows[1].home + " " + r.rows[2].home, "05@05Sox 05 05Sox");

    const test::Loaded made = test::loadText(kSeason, DataType::ScheduleData);
    EXPECT_EQ(made.ini, "[Schedule Data]\r\nNYA AL=\r\nBOS AL=\r\nCHF FL=\r\n");
}

TEST(ConfigFile, ZeroByteFileIsRefusedAndKept)
{
    const std::string files[] = {"[Schedule Data]\r\nBOS AL=Sox\r\n\0junk\r\n"s,
                                 "\xff\xfe[\0S\0c\0h\0e\0d\0u\0l\0e\0 \0D\0a\0t\0a\0]\0\r\0\n\0"s};
    for (const std::string& ini : files) {
        const test::Loaded r = test::loadText(kSeason, DataType::ScheduleData, LeagueOption::AlNl, ini);
        EXPECT_FALSE(r.outcome.done());
        EXPECT_EQ(r.state, SessionState::LoadFailed);
        EXPECT_TRUE(r.ini == ini);
    }
}

TEST(ConfigFile, ReadOnlyFileServesNamedTeamsOnly)
{
    test::TempDir home;
    const std::string ini = "[Schedule Data]\nNYA AL=Yanks\nBOS AL=Sox\n";
    test::writeFile(home.file("rota.ini"), ini);
    test::writeFile(home.file("named.txt"), kSeason.substr(0, kSeason.find('\n') + 1));
    test::writeFile(home.file("unnamed.txt"), kSeason);
    test::setReadOnly(home.file("rota.ini"), true);
    Session session(home.path());
    session.chooseDataType(DataType::ScheduleData);
    EXPECT_TRUE(session.openSeason(home.file("named.txt"), {}).done());
    EXPECT_EQ(session.openSeason(home.file("unnamed.txt"), {}).kind, Outcome::Kind::Failed);
    EXPECT_EQ(session.state(), SessionState::LoadFailed);
    EXPECT_EQ(test::readFile(home.file("rota.ini")), ini);
}

TEST(TeamTable, EditsFollowTheirKeyWhileOthersChangeTheFile)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    test::writeFile(path, "[Game Data]\nABC=\nDEF=\n");
    TeamTable table;
    table.load(path);
    EXPECT_EQ(table.set("Game Data", "ABC", ""), 1u);
    EXPECT_FALSE(table.hasEdits());
    EXPECT_EQ(table.set("game data", "def", "Washington"), 2u);

    test::writeFile(path, "[Game Data]\nNEW=\nABC=\nDEF=\n");
    table.load(path);
    EXPECT_EQ(table.lines()[3], "DEF=Washington");
    test::writeFile(path, "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    test::setReadOnly(path, true);
    EXPECT_THROW(table.save(path), FileError);
    test::setReadOnly(path, false);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    table.save(path);
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nNEW=\r\nABC=\r\nDEF=Washington\r\nGHI=Ghi\r\n");
    EXPECT_FALSE(table.hasEdits());

    test::writeFile(path, "[Game Data]\nABC=\n");
    table.load(path);
    EXPECT_EQ(table.set("Game Data", "DEF", "Sox"), std::nullopt);
    Session session(dir.path());
    session.loadTeamTable();
    EXPECT_EQ(session.setTeamName("Game Data", "DEF", "Sox").kind, Outcome::Kind::Refused);

    // Only the first section of a name is edited, as it is the one read; a
    // key that begins with "[" is no entry (a name could make it a header).
    test::writeFile(path, "[Game Data]\n[KEY=\nABC=\n[Game Data]\nXYZ=\n");
    table.load(path);
    EXPECT_EQ(table.entryAt(1), std::nullopt);
    EXPECT_EQ(table.set("Game Data", "XYZ", "X"), std::nullopt);
}
