// The session's commands in the order a user gives them: which controls each
// state offers, when a season may be written, the team names a load looks up
// and adds to rota.ini, and the team table the user edits while other
// programs may change the file.
#include "config/inifile.h"
#include "config/teamtable.h"
#include "schedule/schreader.h"
#include "schedule/schwriter.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace rota;
using State = SessionState;

namespace {

using test::scheduleLine;

const std::string kSeason = scheduleLine("20050403", "NYA", "BOS") + scheduleLine("20050404", "NYA", "CHF FL") +
                            scheduleLine("20050405", "nya al", "bos al");

// A session in `home` that has opened `text` as a schedule file in `seasons`.
Session opened(const test::TempDir& home, const test::TempDir& seasons, const std::string& text)
{
    test::writeFile(seasons.file("season.txt"), text);
    Session session(home.path());
    session.chooseDataType(DataType::ScheduleData);
    session.openSeason(seasons.file("season.txt"), {});
    return session;
}

} // namespace

TEST(Session, WritesTheScheduleBesideTheSeasonFileUnderANameTheGameReads)
{
    test::TempDir home, seasons;
    Session session =
        opened(home, seasons, scheduleLine("20050404", "BOS", "NYA") + scheduleLine("20050403", "CHA", "DET"));
    ASSERT_EQ(session.state(), State::Loaded);
    for (const std::string name :
         {"", "NINECHARS", "a/b", "a\\b", "..", "a:b", "a*b", "a?b", "a|b", "a\"b", "CON", "nul", "Com1"})
        EXPECT_EQ(session.writeSchedule(name).kind, Outcome::Kind::Refused) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(seasons.path()), {}), 1);
    EXPECT_EQ(session.changeGameDate(0, "09/30/05"), 1u);
    ASSERT_TRUE(session.writeSchedule("EIGHTCHR").done());
    EXPECT_EQ(decodeScheduleFile(test::readFile(seasons.file("EIGHTCHR.sch"))),
              (std::vector<ScheduleGame>{{"04/04/05", "05", "05", false}, {"09/30/05", "05", "05", false}}));
    EXPECT_FALSE(std::filesystem::exists(home.file("EIGHTCHR.sch")));
}

TEST(Session, LoadProgressCountsTheFileThroughToItsEnd)
{
    // Long enough to be read in several pieces, with a last line that has no end.
    std::string text;
    for (int day = 1; day <= 28; ++day)
        for (int game = 0; game < 100; ++game)
            text += scheduleLine("200504" + std::string(day < 10 ? "0" : "") + std::to_string(day), "BOS", "NYA");
    text.resize(text.size() - 2);
    test::TempDir home, seasons;
    test::writeFile(seasons.file("season.txt"), text);
    Session session(home.path());
    session.chooseDataType(DataType::ScheduleData);
    std::size_t calls = 0, last = 0;
    session.openSeason(seasons.file("season.txt"), {}, [&](std::size_t done, std::size_t total) {
        ++calls;
        EXPECT_EQ(total, text.size());
        EXPECT_GE(done, last);
        EXPECT_LE(done, total);
        last = done;
    });
    EXPECT_EQ(calls, 2801u); // a line each, and the end
    EXPECT_EQ(last, text.size());
    EXPECT_EQ(session.games().size(), 28u); // one game a day, the rest its repeats
}

TEST(Session, RefusesRowsThatDoNotFitAndFailsAWriteThatCannotBeMade)
{
    std::string fifteen; // a full day record (16 games on a date: the window's and rotasch's crowded seasons)
    for (char c = 'A'; c < 'P'; ++c)
        fifteen += scheduleLine("20050403", std::string("V") + c + c, std::string("H") + c + c);
    // problem: the message names it, "" when the write is done; names: rota.ini; date: an edited date of the
    // first game, if any; readOnly: the season's folder.
    const struct {
        const char *problem, *names = "", *date = "";
        bool readOnly = false;
    } cases[] = {
        {""},
        {"\"05Boston1\": 9 characters", "[Schedule Data]\nVAA AL=Boston1\n"},
        {"\"4/3/05\": a date must be 8 characters", "", "4/3/05"},
        {"04/03/05: a team text holds the control character 0x09", "[Schedule Data]\nVAA AL=R\tSox\n"},
        {"04/03/05: a team text holds the control character 0x7F", "[Schedule Data]\nVAA AL=Sox\x7f\n"},
        {"", "[Schedule Data]\nVAA AL=\x80\x8a\x9f\n"}, // letters of Windows-1252
        {"Error Writing SCH File", "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        if (c.readOnly && !test::kFoldersCanBeReadOnly)
            continue;
        test::TempDir home, seasons;
        test::writeFile(home.file("rota.ini"), c.names);
        Session session = opened(home, seasons, fifteen);
        if (*c.date)
            session.changeGameDate(0, c.date);
        test::setReadOnly(seasons.path(), c.readOnly);
        const Outcome written = session.writeSchedule("x");
        test::setReadOnly(seasons.path(), false);
        EXPECT_EQ(written.done(), !*c.problem);
        EXPECT_NE(test::textOf(written).find(c.problem), std::string::npos) << test::textOf(written);
        EXPECT_EQ(std::filesystem::exists(seasons.file("x.sch"))
                      ? decodeScheduleFile(test::readFile(seasons.file("x.sch"))).size()
                      : 0,
                  *c.problem ? 0u : 15u);
    }
    EXPECT_EQ(scheduleLimitProblems({{"04/03/05", "05Sox", "", ""}}).size(), 1u); // an empty team text
    EXPECT_THROW(buildScheduleFile(std::vector<GameRow>(16, {"05/30/84", "a", "b", ""})), std::length_error);
}

TEST(Session, AFailedLoadNeverBecomesWritable)
{
    test::TempDir home, seasons;
    Session session = opened(home, seasons,
                             scheduleLine("20050405", "BOS", "NYA") + scheduleLine("20050403", "CHA", "DET") +
                                 scheduleLine("20050404", "BOS", "NYA").substr(0, 37));
    EXPECT_EQ(session.games().size(), 2u);
    EXPECT_EQ(session.games()[0].date, "04/05/05");
    std::ostringstream out;
    const std::function<void()> actions[] = {
        [] {},
        [&] { session.reloadSeason({}); },
        [&] { session.saveTeamTable(); },
        [&] { session.setTeamName("Schedule Data", "GONE", "x"); },
        [&] {
            session.compileData({"a b", "04/01", "10/30", 1900, LeagueOption::AlNl}, out);
        },
        [&] { session.chooseDataType(DataType::GameLogs), session.chooseDataType(DataType::ScheduleData); },
    };
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        actions[i]();
        EXPECT_NE(session.state(), State::Loaded) << i;
        EXPECT_FALSE(session.controls().writeSchedule) << i;
        EXPECT_EQ(session.writeSchedule("OUT").kind, Outcome::Kind::Refused) << i;
        EXPECT_FALSE(std::filesystem::exists(seasons.file("OUT.sch"))) << i;
    }
    EXPECT_EQ(Session(home.path()).reloadSeason({}).kind, Outcome::Kind::Refused); // nothing opened yet
}

TEST(TeamNames, MissingTeamsAreAddedInOrderAndNamedOnesUsed)
{
    test::TempDir home, seasons, fresh;
    // A byte order mark and a header with text after it stay, and no second section is added.
    test::writeFile(home.file("rota.ini"), "\xef\xbb\xbf[schedule data] ; 1915\nbos al=Sox\n");
    const Session session = opened(home, seasons, kSeason);
    ASSERT_EQ(session.state(), State::Loaded);
    EXPECT_EQ(session.missingTeams(), (std::vector<std::string>{"NYA AL", "CHF FL"}));
    EXPECT_EQ(test::readFile(home.file("rota.ini")),
              "\xef\xbb\xbf[schedule data] ; 1915\r\nbos al=Sox\r\nNYA AL=\r\nCHF FL=\r\n");
    const auto& rows = session.games().rows();
    EXPECT_EQ(rows[0].vis + "@" + rows[0].home + " " + rows[1].home + " " + rows[2].home, "05@05Sox 05 05Sox");
    opened(fresh, seasons, kSeason); // no rota.ini yet
    EXPECT_EQ(test::readFile(fresh.file("rota.ini")), "[Schedule Data]\r\nNYA AL=\r\nBOS AL=\r\nCHF FL=\r\n");
}

TEST(TeamNames, AReadOnlyRotaIniServesNamedTeamsOnly)
{
    test::TempDir home, seasons;
    const std::string ini = "[Schedule Data]\nNYA AL=Yanks\nBOS AL=Sox\n";
    test::writeFile(home.file("rota.ini"), ini);
    test::setReadOnly(home.file("rota.ini"), true);
    EXPECT_EQ(opened(home, seasons, kSeason.substr(0, kSeason.find('\n') + 1)).state(), State::Loaded);
    EXPECT_EQ(opened(home, seasons, kSeason).state(), State::LoadFailed); // CHF FL cannot be added
    EXPECT_EQ(test::readFile(home.file("rota.ini")), ini);

    // A rota.ini that cannot be used does not hide the season's own error.
    test::setReadOnly(home.file("rota.ini"), false);
    test::writeFile(home.file("rota.ini"), std::string("\xff\xfe[\0S\0]\0", 8));
    test::writeFile(seasons.file("season.txt"), kSeason + "\"20050406\",\"0\",\"Wed\",\"BOS\",\"AL\",1\n");
    Session session(home.path());
    session.chooseDataType(DataType::ScheduleData);
    const Outcome outcome = session.openSeason(seasons.file("season.txt"), {});
    EXPECT_EQ(outcome.line, 4u) << test::textOf(outcome);
    EXPECT_EQ(session.games().size(), 3u);
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

    // Another program adds entries meanwhile: the edits stay on their entries;
    // a save that fails keeps the file.
    test::writeFile(path, "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    session.loadTeamTable();
    EXPECT_EQ(session.teamTable().lines()[3], "DEF=Washington");
    test::setReadOnly(path, true);
    EXPECT_EQ(session.saveTeamTable().kind, Outcome::Kind::Failed);
    test::setReadOnly(path, false);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nNEW=\nABC=\nDEF=\nGHI=Ghi\n");
    session.saveTeamTable();
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nNEW=\r\nABC=\r\nDEF=Washington\r\nGHI=Ghi\r\n");
    EXPECT_FALSE(session.teamTable().hasEdits());

    // No entry: one gone from the file, one of a later section of the same
    // name (the first is the one read), a key that begins with "[" (a name
    // could make it a header).
    test::writeFile(path, "[Game Data]\nABC=\n[KEY=\n[Game Data]\nXYZ=\n");
    session.loadTeamTable();
    for (const char* key : {"DEF", "XYZ", "[KEY"})
        EXPECT_EQ(session.setTeamName("Game Data", key, "X").kind, Outcome::Kind::Refused) << key;
}

// The panel offers an entry on each line the lookup reads a name from, with
// that name, whatever blanks, quotes, duplicates, headers or byte order mark
// the file holds; a name set there is the one the lookup then finds, on the
// entry's own line.
TEST(TeamTable, OffersEachEntryWithTheNameTheLookupReads)
{
    const std::string bom = "\xef\xbb\xbf";
    const struct {
        std::string text;
        std::vector<std::size_t> offered; // the lines that hold an entry; BOS AL's first
        std::string sox;                  // the name of BOS AL
    } cases[] = {
        {bom + "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n", {1, 2}, "Sox"},
        {"[Schedule Data] ; 1915\r\nBOS AL=Sox\r\nNYA AL=\r\n", {1, 2}, "Sox"},
        {"  [ schedule data ]  old names\r\n\tBOS AL\v= Sox\r\nnya al\r\n", {1, 2}, "Sox"},
        {"[Schedule Data]\r\nBOS AL = \"Red Sox\" \r\nNYA AL=''\r\n", {1, 2}, "Red Sox"},
        {"[Schedule Data]\r\nBOS AL='Sox\r\nNYA AL=\r\n", {1, 2}, "'Sox"},
        {"[Schedule Data]\r\nBOS AL==Sox ; 1901\r\n\r\nNYA AL=\r\n", {1, 3}, "=Sox ; 1901"},
        {"[Schedule Data]\r\nbos al=Sox\r\nNYA AL=\r\nBOS AL=Red Sox\r\n", {1, 2}, "Sox"},
        {"[Schedule Data]\r\nBOS AL\r\n=Sox\r\n[X\r\nNYA AL\r\n", {1, 4}, ""},
        {"[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n[Schedule Data]\r\nCHA AL=\r\nBOS AL=Later\r\n", {1, 2}, "Sox"},
        {"BOS AL=Top\r\n[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n", {2, 3}, "Sox"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        test::TempDir dir;
        const std::string path = dir.file("rota.ini");
        test::writeFile(path, c.text);
        TeamTable table;
        table.load(path);
        const IniFile ini = IniFile::load(path);
        std::vector<std::size_t> offered;
        for (std::size_t i = 0; i <= table.lines().size(); ++i)
            if (const auto entry = table.entryAt(i)) {
                offered.push_back(i);
                EXPECT_EQ(entry->value, ini.readString(entry->section, entry->key)) << i;
                EXPECT_EQ(table.lineOf(entry->section, entry->key), i);
            }
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(table.lineOf("Schedule Data", "BOS AL"), c.offered[0]);
        EXPECT_EQ(table.entryAt(c.offered[0])->value, c.sox);
        EXPECT_EQ(ini.readString("Schedule Data", "BOS AL"), c.sox);
        EXPECT_FALSE(table.lineOf("Schedule Data", "CHA AL")); // a later section of the name is not read

        const auto yanks = table.set("Schedule Data", "NYA AL", "Yanks");
        ASSERT_EQ(yanks, c.offered[1]);
        EXPECT_EQ(table.entryAt(*yanks)->value, "Yanks");
        table.save(path);
        const IniFile saved = IniFile::load(path);
        EXPECT_EQ(saved.readString("Schedule Data", "NYA AL"), "Yanks");
        EXPECT_EQ(saved.lines(), table.lines());
        EXPECT_EQ(test::readFile(path).starts_with(bom), c.text.starts_with(bom));
    }
}
