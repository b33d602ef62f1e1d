// rotasch as a user runs it: the bytes it writes for the real sample seasons,
// its exit statuses, and runs over several files of which some are bad.
#include "cli/rotasch.h"
#include "platform/filelock.h"
#include "schedule/schreader.h"
#include "schedule/schwriter.h"

#include "platform/environment.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using rota::test::dataFile;
using rota::test::readFile;
using rota::test::sampleFile;
using rota::test::writeFile;

namespace {

struct Result {
    int status;
    std::string out, err;
};

Result rotasch(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = rota::cli::run(args, {out, err, false});
    return {status, out.str(), err.str()};
}

// A folder with the named rota.ini of the expected files.
struct Workspace {
    rota::test::TempDir dir;
    const std::string config = dir.file("rota.ini");
    Workspace() { fs::copy_file(dataFile("expected/rota.ini"), config); }
    std::string copy(const std::string& from, const std::string& name) const
    {
        return fs::copy_file(from, dir.file(name)), dir.file(name);
    }
};

} // namespace

// The same session the window uses: its workflow test writes these bytes too.
TEST(Rotasch, SampleSeasonsGiveTheExpectedScheduleBytes)
{
    Workspace w;
    const std::string lowerCaseName = w.copy(sampleFile("GL1915.TXT"), "gl1915.txt");
    struct Case {
        std::string season, type, league, expected; // type "": told by the content
    };
    std::vector<Case> cases{{dataFile("gamedata2020.txt"), "gamedata", "ALNL", "gamedata2020"},
                            {lowerCaseName, "", "ALNL", "GL1915-ALNL"}};
    // Saved again by an editor that puts a UTF-8 byte order mark first: the
    // same kind is told, and the same bytes written.
    for (const char* name : {"1915SKED.TXT", "GL1915.TXT", "1915schedule.csv"}) {
        const std::string marked = w.dir.file(std::string("marked-") + name);
        writeFile(marked, "\xef\xbb\xbf" + readFile(sampleFile(name)));
        cases.push_back({marked, "", "ALNL", std::string(name).starts_with("GL") ? "GL1915-ALNL" : "1915SKED-ALNL"});
    }
    writeFile(w.dir.file("marked2020.txt"), "\xef\xbb\xbf" + readFile(dataFile("gamedata2020.txt")));
    cases.push_back({w.dir.file("marked2020.txt"), "", "ALNL", "gamedata2020"});
    for (const std::string option : {"A", "N", "F", "ALNL"}) {
        cases.push_back({sampleFile("1915SKED.TXT"), "schedule", option, "1915SKED-" + option});
        cases.push_back({sampleFile("1915schedule.csv"), "", option, "1915SKED-" + option});
        cases.push_back({sampleFile("GL1915.TXT"), "gamelogs", option, "GL1915-" + option});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.season + " " + c.league);
        std::vector<std::string> args{
            "convert", "--quiet", "--league", c.league, "--config", w.config, "--out", w.dir.file("out.sch"), c.season};
        if (!c.type.empty())
            args.insert(args.begin() + 1, {"--type", c.type});
        const Result run = rotasch(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_TRUE(readFile(w.dir.file("out.sch")) == readFile(dataFile("expected/" + c.expected + ".sch")));
        EXPECT_EQ(readFile(w.config), readFile(dataFile("expected/rota.ini")));
    }
}

// Exit statuses, what is said on failure, and the files each run makes or
// must not make; a bad file does not stop the others nor cost its old .sch.
TEST(Rotasch, RunsOverGoodAndBadFiles)
{
    Workspace w;
    const auto f = [&](const std::string& name) { return w.dir.file(name); };
    const std::string& ini = w.config;
    const std::string season = w.copy(sampleFile("1915SKED.TXT"), "1915SKED.TXT"), good = f("good.sch");
    const std::string logs = w.copy(sampleFile("GL1915.TXT"), "GL1915.TXT");
    const std::string csv = w.copy(sampleFile("1915schedule.csv"), "1915schedule.csv");
    w.copy(sampleFile("GL1915.TXT"), "notsch.sch");
    fs::create_directory(f("other"));
    w.copy(csv, "other/1915schedule.csv");
    // A schedule whose third game line ends early, a file of no kind, a headed
    // schedule whose name carries no year, and a season with a team of no name.
    const std::string sked = readFile(season);
    writeFile(f("broken.txt"), sked.substr(0, sked.find('\n', sked.find('\n') + 1) + 1) +
                                   "\"19150416\",\"0\",\"Fri\",\"BOS\",\"AL\",1\r\n");
    writeFile(f("broken.sch"), "the old schedule");
    writeFile(f("notes.txt"), "shopping list\r\n");
    writeFile(f("headed.txt"), "\"Date\",\"Vis\",\"Home\"\r\n\"04/14\",\"BOS\",\"NYA\",\"A\"\r\n");
    writeFile(f("1905SKED.TXT"), rota::test::scheduleLine("19050414", "BOS", "NYA"));
    writeFile(f("names.ini"), "[Schedule Data]\r\nBOS AL=Sox\r\n");
    const std::string names = f("names.ini"), unnamed = f("1905SKED.TXT");
    // A schedule whose first visitor text holds an escape byte at offset 442.
    std::string escaped = rota::buildScheduleFile({{"04/14/15", "15Sox", "15Yanks", ""}});
    escaped[442] = '\x1b';
    writeFile(f("escaped.sch"), escaped);
    // said: on the error stream.
    const struct {
        std::vector<std::string> args;
        int status;
        std::string said = "";
        std::vector<std::string> made = {}, notMade = {};
    } cases[] = {
        {{"--version"}, 0},
        {{}, 2},
        {{"convert"}, 2},
        {{"convert", "--league", "X", season}, 2},
        {{"convert", "--type", "boxscores", season}, 2},
        {{"convert", "--out", f("one.sch"), season, season}, 2, "", {}, {"one.sch"}},
        {{"compile", w.dir.path()}, 2}, // no --year
        {{"convert", "--config", f("no/rota.ini"), season}, 1, "no/rota.ini"},
        {{"convert", "--config", ini, "--out", f("longername.sch"), season}, 1, "", {}, {"longername.sch"}},
        {{"convert", "--quiet", "--config", ini, "--out", good, season}, 0, "", {"good.sch"}},
        {{"show", good}, 0},
        {{"show", f("notsch.sch")}, 1, "notsch.sch"},
        {{"show", f("missing.sch")}, 1, "missing.sch"},
        {{"show", f("escaped.sch")}, 1, "escaped.sch: byte 442: a team text holds the control character 0x1B"},
        {{"convert", "--config", ini, f("other")}, 1, "other: is a folder"},
        {{"convert", "--config", ini, "/dev/null"}, 1, "/dev/null: is not a regular file"},
        {{"convert", "--config", ini, f("missing.txt")}, 1, "missing.txt: no such file"},
        {{"convert", "--config", ini, "--type", "schedule", season, f("broken.txt")},
         1,
         "broken.txt: Data Error: line 3:",
         {"1915SKED.sch"}},
        {{"convert", "--config", ini, f("notes.txt"), logs},
         1,
         "notes.txt: cannot tell",
         {"GL1915.sch"},
         {"notes.sch"}},
        // Both would write 1915sche.sch into the same folder: nothing is written.
        {{"convert", "--config", ini, "--out", f("out"), csv, f("other/1915schedule.csv")},
         1,
         "would both write",
         {},
         {"out/1915sche.sch"}},
        {{"convert", "--type", "schedule", "--config", ini, f("headed.txt")}, 1, "--year", {}, {"headed.sch"}},
        {{"convert", "--config", names, unnamed}, 1, "NYA AL", {}, {"1905SKED.sch"}},
        {{"convert", "--quiet", "--allow-missing", "--config", names, unnamed}, 0, "", {"1905SKED.sch"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result run = rotasch(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        for (const std::string& name : c.made)
            EXPECT_TRUE(fs::exists(f(name))) << name;
        for (const std::string& name : c.notMade)
            EXPECT_FALSE(fs::exists(f(name))) << name;
    }
    EXPECT_EQ(readFile(f("broken.sch")), "the old schedule");
    EXPECT_EQ(readFile(ini), readFile(dataFile("expected/rota.ini")));
    EXPECT_EQ(readFile(names), "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n"); // to be filled in
}

// Help texts give the rule for the program folder, never the folder it is on
// the machine that prints them: the texts end up in manual pages.
TEST(Rotasch, HelpGivesTheProgramFolderRuleNotThisMachinesFolder)
{
    const std::vector<std::string> commands[] = {{"--help"}, {"convert", "--help"}, {"compile", "--help"}};
    for (const auto& args : commands) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Result run = rotasch(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find(rota::programFolderRule()), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find(rota::defaultProgramFolder()), std::string::npos) << run.out;
    }
}

TEST(Rotasch, CompileWorksOnCopiesAndConvertsTheResult)
{
    Workspace w;
    fs::create_directory(w.dir.file("events"));
    rota::test::copyEventFiles(w.dir.file("events"));
    writeFile(w.dir.file("events/1999NYA.EVA"), "another season");

    // The staging folders of compiles that were killed go; a live one stays.
    // (In a temporary folder of the test's own, named by TMPDIR for the run.)
    const std::string temp = w.dir.file("tmp");
    fs::create_directory(temp);
    const char* oldTemp = std::getenv("TMPDIR");
    const std::string restore = oldTemp ? oldTemp : "";
    ::setenv("TMPDIR", temp.c_str(), 1);
    fs::create_directories(temp + "/rotasch-1234/data");
    writeFile(temp + "/rotasch-1234/data/2020NYA.EVA", "left");
    writeFile(temp + "/rotasch-1235.lock", "");
    fs::create_directories(temp + "/rotasch-1236");
    const auto live = rota::FileLock::tryExclusive(temp + "/rotasch-1236");
    ASSERT_TRUE(live);
    const Result run =
        rotasch({"compile", "--quiet", "--year", "2020", "--convert", "--fit", "--config", w.config, "--bgame",
                 rota::test::bgamePath(), "--out", w.dir.file("2020.txt"), w.dir.file("events")});
    oldTemp ? ::setenv("TMPDIR", restore.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(w.dir.file("2020.txt")), readFile(dataFile("gamedata2020.txt")));
    EXPECT_EQ(readFile(w.dir.file("2020.sch")), readFile(dataFile("expected/gamedata2020.sch")));
    for (const char* name : rota::test::kEventFiles)
        EXPECT_EQ(readFile(w.dir.file(std::string("events/") + name)), readFile(sampleFile(name))) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(w.dir.file("events")), fs::directory_iterator()), 6);
    for (const char* left : {"rotasch-1234", "rotasch-1234.lock", "rotasch-1235.lock"})
        EXPECT_FALSE(fs::exists(temp + "/" + left)) << left;
    EXPECT_TRUE(fs::exists(temp + "/rotasch-1236"));
    fs::remove_all(temp + "/rotasch-1236");
    fs::remove(temp + "/rotasch-1236.lock");
    // No event files of that year.
    EXPECT_EQ(rotasch({"compile", "--year", "1950", "--bgame", rota::test::bgamePath(), w.dir.file("events")}).status,
              1);
}

// Dates with more games than a .sch day holds: refused, naming them, unless
// --fit moves the extra games; refused even then when none of them can move.
TEST(Rotasch, FitMovesGamesOffCrowdedDatesOrNamesThem)
{
    Workspace w;
    writeFile(w.dir.file("names.ini"), rota::test::crowdedSeasonNames());
    writeFile(w.dir.file("crowded.txt"), rota::test::crowdedSeason());
    writeFile(w.dir.file("stuck.txt"), rota::test::crowdedSeason(false)); // no other day
    const std::string config = w.dir.file("names.ini");

    Result run = rotasch({"convert", "--config", config, w.dir.file("crowded.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("crowded.txt: 07/08/00 (16 games) has more games than the 15 a .sch day holds: --fit moves "
                           "the extra games to nearby days"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(w.dir.file("crowded.sch")));

    run = rotasch({"convert", "--fit", "--config", config, w.dir.file("crowded.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("crowded.txt: moved 00N31 at 00N32 from 07/08/00 to 07/09/00\n"), std::string::npos)
        << run.out;
    const auto games = rota::decodeScheduleFile(readFile(w.dir.file("crowded.sch")));
    ASSERT_EQ(games.size(), 18u);
    EXPECT_EQ(games.back(), (rota::ScheduleGame{"07/09/00", "00N31", "00N32", false}));
    EXPECT_EQ(std::count_if(games.begin(), games.end(), [](const auto& g) { return g.date == "07/08/00"; }), 15);

    run = rotasch({"convert", "--fit", "--config", config, w.dir.file("stuck.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("stuck.txt: 07/08/00 (16 games) has more games than the 15 a .sch day holds, and none of "
                           "the games of that date can move"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(w.dir.file("stuck.sch")));
}
