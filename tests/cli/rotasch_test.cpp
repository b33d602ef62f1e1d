// rotasch as a user runs it: the bytes it writes for the real sample seasons,
// its exit statuses, and runs over several files of which some are bad.
#include "cli/rotasch.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

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
        fs::copy_file(from, dir.file(name));
        return dir.file(name);
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
    for (const std::string option : {"A", "N", "F", "ALNL"}) {
        cases.push_back({sampleFile("1915SKED.TXT"), "schedule", option, "1915SKED-" + option});
        cases.push_back({sampleFile("1915schedule.csv"), "", option, "1915SKED-" + option});
        cases.push_back({sampleFile("GL1915.TXT"), "gamelogs", option, "GL1915-" + option});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.season + " " + c.league);
        std::vector<std::string> args{"convert", "--quiet", "--league", c.league, "--config", w.config,
                                      "--out", w.dir.file("out.sch"), c.season};
        if (!c.type.empty())
            args.insert(args.begin() + 1, {"--type", c.type});
        const Result run = rotasch(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_TRUE(readFile(w.dir.file("out.sch")) == readFile(dataFile("expected/" + c.expected + ".sch")));
        EXPECT_EQ(readFile(w.config), readFile(dataFile("expected/rota.ini")));
    }
}

TEST(Rotasch, ExitStatusSaysWhetherEverythingWasDone)
{
    Workspace w;
    const std::string season = w.copy(sampleFile("1915SKED.TXT"), "1915SKED.TXT"), good = w.dir.file("good.sch");
    ASSERT_EQ(rotasch({"convert", "--quiet", "--config", w.config, "--out", good, season}).status, 0);
    w.copy(sampleFile("GL1915.TXT"), "notsch.sch");
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--version"}, 0},
        {{"convert", "--help"}, 0},
        {{}, 2},
        {{"convert"}, 2},
        {{"convert", "--league", "X", season}, 2},
        {{"convert", "--type", "boxscores", season}, 2},
        {{"convert", "--out", w.dir.file("one.sch"), season, season}, 2},
        {{"compile", w.dir.path()}, 2}, // no --year
        {{"convert", "--config", w.config, w.dir.file("missing.txt")}, 1},
        {{"convert", "--config", w.config, "--out", w.dir.file("longername.sch"), season}, 1},
        {{"show", good}, 0},
        {{"show", w.dir.file("notsch.sch")}, 1},
        {{"show", w.dir.file("missing.sch")}, 1},
    };
    for (const auto& [args, status] : cases)
        EXPECT_EQ(rotasch(args).status, status) << testing::PrintToString(args);
    EXPECT_FALSE(fs::exists(w.dir.file("longername.sch")));
}

TEST(Rotasch, OneBadFileDoesNotStopTheOthersNorCostItsOldSch)
{
    Workspace w;
    const std::string good = w.copy(sampleFile("1915SKED.TXT"), "1915SKED.TXT");
    const std::string logs = w.copy(sampleFile("GL1915.TXT"), "GL1915.TXT");
    // A schedule whose third game line ends early, and a file of no kind.
    const std::string sked = readFile(good);
    writeFile(w.dir.file("broken.txt"), sked.substr(0, sked.find('\n', sked.find('\n') + 1) + 1) +
                                            "\"19150416\",\"0\",\"Fri\",\"BOS\",\"AL\",1\r\n");
    writeFile(w.dir.file("broken.sch"), "the old schedule");
    writeFile(w.dir.file("notes.txt"), "shopping list\r\n");

    const Result run = rotasch({"convert", "--config", w.config, "--type", "schedule", good, w.dir.file("broken.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(fs::exists(w.dir.file("1915SKED.sch")));
    EXPECT_EQ(readFile(w.dir.file("broken.sch")), "the old schedule");
    EXPECT_NE(run.err.find("broken.txt: Data Error: line 3:"), std::string::npos) << run.err;

    const Result mixed = rotasch({"convert", "--config", w.config, w.dir.file("notes.txt"), logs});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_TRUE(fs::exists(w.dir.file("GL1915.sch")));
    EXPECT_FALSE(fs::exists(w.dir.file("notes.sch")));
    EXPECT_NE(mixed.err.find("notes.txt: cannot tell"), std::string::npos) << mixed.err;
    EXPECT_EQ(readFile(w.config), readFile(dataFile("expected/rota.ini")));
}

TEST(Rotasch, TeamsWithoutNamesAreListedAndNotWrittenUnlessAllowed)
{
    Workspace w;
    writeFile(w.config, "[Schedule Data]\r\nBOS AL=Sox\r\n");
    const std::string season = w.dir.file("1905SKED.TXT");
    writeFile(season, "\"19050414\",\"0\",\"Fri\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"d\",\"\",\"\"\r\n");

    const Result refused = rotasch({"convert", "--config", w.config, season});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("[Schedule Data]"), std::string::npos);
    EXPECT_NE(refused.err.find("NYA AL"), std::string::npos);
    EXPECT_FALSE(fs::exists(w.dir.file("1905SKED.sch")));
    // The missing name is in rota.ini now, to be filled in.
    EXPECT_EQ(readFile(w.config), "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n");

    EXPECT_EQ(rotasch({"convert", "--quiet", "--allow-missing", "--config", w.config, season}).status, 0);
    EXPECT_TRUE(fs::exists(w.dir.file("1905SKED.sch")));
}

TEST(Rotasch, OutputsArePlannedBeforeAnythingIsWritten)
{
    Workspace w;
    const std::string a = w.copy(sampleFile("1915schedule.csv"), "1915schedule.csv");
    fs::create_directory(w.dir.file("other"));
    const std::string b = w.copy(a, "other/1915schedule.csv"), headed = w.dir.file("headed.txt");
    writeFile(headed, "\"Date\",\"Vis\",\"Home\"\r\n\"04/14\",\"BOS\",\"NYA\",\"A\"\r\n");

    // Both would write 1915sche.sch into the same folder.
    EXPECT_EQ(rotasch({"convert", "--config", w.config, "--out", w.dir.file("out"), a, b}).status, 1);
    EXPECT_FALSE(fs::exists(w.dir.file("out/1915sche.sch")));
    // The headed layout carries no year and this name has none.
    const Result noYear = rotasch({"convert", "--type", "schedule", "--config", w.config, headed});
    EXPECT_EQ(noYear.status, 1);
    EXPECT_NE(noYear.err.find("--year"), std::string::npos);
}

TEST(Rotasch, CompileWorksOnCopiesAndConvertsTheResult)
{
    Workspace w;
    fs::create_directory(w.dir.file("events"));
    const char* names[] = {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"};
    for (const char* name : names)
        w.copy(sampleFile(name), std::string("events/") + name);
    writeFile(w.dir.file("events/1999NYA.EVA"), "another season");

    const Result run = rotasch({"compile", "--quiet", "--year", "2020", "--convert", "--config", w.config, "--bgame",
                                rota::test::bgamePath(), "--out", w.dir.file("2020.txt"), w.dir.file("events")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(w.dir.file("2020.txt")), readFile(dataFile("gamedata2020.txt")));
    EXPECT_EQ(readFile(w.dir.file("2020.sch")), readFile(dataFile("expected/gamedata2020.sch")));
    for (const char* name : names)
        EXPECT_EQ(readFile(w.dir.file(std::string("events/") + name)), readFile(sampleFile(name))) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(w.dir.file("events")), fs::directory_iterator()), 6);
    // No event files of that year.
    EXPECT_EQ(rotasch({"compile", "--year", "1950", "--bgame", rota::test::bgamePath(), w.dir.file("events")}).status,
              1);
}
