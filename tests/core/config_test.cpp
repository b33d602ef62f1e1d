// rota.ini: the team names a load looks up and adds, and the team table the
// user edits while other programs may change the file.
#include "platform/fileio.h"
#include "tests/support/loadsupport.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace rota;

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
    std::filesystem::create_directory(path);
    Session session(dir.path());
    EXPECT_EQ(session.loadTeamTable().kind, Outcome::Kind::Failed); // a folder
    std::filesystem::remove(path);
    test::writeFile(path, "[Game Data]\nABC=\nDEF=\n");
    ASSERT_TRUE(session.loadTeamTable().done());
    EXPECT_TRUE(session.setTeamName("Game Data", "ABC", "").done());
    EXPECT_FALSE(session.teamTable().hasEdits());
    EXPECT_TRUE(session.setTeamName("game data", "def", "Wash").done());
    EXPECT_TRUE(session.setTeamName("Game Data", "DEF", "Washington").done());

    // Another program adds entries meanwhile; a save that fails keeps its file.
    test::writeFile(path, "[Game Data]\nNEW=\nABC=\nDEF=\n");
    session.loadTeamTable();
    EXPECT_EQ(session.teamTable().lines()[3], "DEF=Washington");
    test::writeFile(path, "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    test::setReadOnly(path, true);
    EXPECT_EQ(session.saveTeamTable({}).kind, Outcome::Kind::Failed);
    test::setReadOnly(path, false);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    session.saveTeamTable({});
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nNEW=\r\nABC=\r\nDEF=Washington\r\nGHI=Ghi\r\n");
    EXPECT_FALSE(session.teamTable().hasEdits());

    // No entry: one gone from the file, one of a later section of the same
    // name (the first is the one read), a key that begins with "[" (a name
    // could make it a header).
    test::writeFile(path, "[Game Data]\nABC=\n[KEY=\n[Game Data]\nXYZ=\n");
    session.loadTeamTable();
    EXPECT_EQ(session.teamTable().entryAt(2), std::nullopt);
    for (const char* key : {"DEF", "XYZ", "[KEY"})
        EXPECT_EQ(session.setTeamName("Game Data", key, "X").kind, Outcome::Kind::Refused) << key;
}
