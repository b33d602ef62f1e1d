// Compile Data's steps run directly, as their batch lines run, and the
// box-score stand-in's date keys. Whole runs over the real event files are
// in compile_test; the stand-in's game lines are checked there and by the
// event file fuzz target.
#include "compile/steprunner.h"
#include "tools/bgame/eventfile.h"

#include "platform/environment.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace rota;
namespace fs = std::filesystem;

namespace {

// A program folder with its "data" folder.
struct Folder {
    test::TempDir dir;
    std::ostringstream said;

    Folder() { fs::create_directory(dir.file("data")); }
    bool run(const std::vector<Step>& steps) { return runSteps(steps, dir.path(), said); }
    std::string data(const std::string& name) const { return dir.file("data/" + name); }
    std::string tool() const { return dir.file(boxScoreToolName()); }
};

constexpr auto inProgramFolder = Place::inProgramFolder;
constexpr auto here = Place::here;

} // namespace

TEST(StepRunner, NamesMatchWithoutRegardToCase)
{
    Folder f;
    for (const auto& [name, text] : {std::pair{"B.EVA", "second\n"},
                                     {"a.eva", "first\n"},
                                     {"c.evn", "other\n"},
                                     {"TEAM1900", "teams"},
                                     {"x.ros", "r"}})
        test::writeFile(f.data(name), text);
    EXPECT_TRUE(f.run({ClearScreen{}, ChangeFolder{inProgramFolder("DATA")}, JoinFiles{"*.EVA", "data.run"},
                       MoveFile{"team1900", inProgramFolder("")}, ChangeFolder{here("..")},
                       MoveFile{"Team1900", inProgramFolder("Data")}, ChangeFolder{here("data")},
                       RenameFile{"X.ROS", "roster.ros"}, DeleteFiles{"team1900"}}))
        << f.said.str();
    EXPECT_EQ(test::readFile(f.data("data.run")), "first\nsecond\n"); // in name order
    EXPECT_EQ(test::readFile(f.data("c.evn")), "other\n");
    EXPECT_FALSE(std::filesystem::exists(f.data("TEAM1900")));
    EXPECT_EQ(test::readFile(f.data("roster.ros")), "r");
    EXPECT_EQ(f.said.str(), "");
}

TEST(StepRunner, TheToolsOutputIsAppendedToWhatIsThere)
{
    Folder f;
    fs::copy_file(test::bgamePath(), f.tool());
    fs::copy_file(test::sampleFile("2020NYA.EVA"), f.data("data.run"));
    test::writeFile(f.data("al.txt"), "left over\n");
    EXPECT_TRUE(f.run({ChangeFolder{here("data")},
                       RunBoxScore{"2020", " 401", "1030", inProgramFolder("data\\data.run"), here("al.txt")}}))
        << f.said.str();
    std::string output = test::readFile(f.data("al.txt"));
    std::erase(output, '\r'); // the stand-in writes CRLF lines on Windows
    ASSERT_GT(output.size(), 10u);
    EXPECT_EQ(output.substr(0, 10), "left over\n");
    EXPECT_TRUE(test::readFile(test::dataFile("gamedata2020.txt")).starts_with(output.substr(10)));
}

TEST(StepRunner, EachFailingStepIsReportedAndTheRunGoesOn)
{
    const Step boxScore = RunBoxScore{"2020", "0401", "1030", here("none.run"), here("al.txt")};
    const std::string standIn = "the stand-in";
    const struct {
        Step step;
        std::string tool = ""; // the program folder's box-score tool: none, the stand-in or a script
    } cases[] = {
        {JoinFiles{"*.eva", "data.run"}},
        {RenameFile{"a.txt", "b.txt"}},
        {RenameFile{"a.txt", "B.TXT"}},
        {RenameFile{"a.txt", "no/b.txt"}},
        {RenameFile{"zzz.txt", "y.txt"}},
        {MoveFile{"a.txt", here("no\\such")}},
        {MoveFile{"zzz.txt", here("..")}},
        {DeleteFiles{"*.zzz"}},
        {ChangeFolder{here("nowhere")}},
        {boxScore},          // no tool
        {boxScore, standIn}, // it finds no event file and ends with status 1
#ifndef _WIN32
        {boxScore, "#!/bin/sh\nkill -9 $$\n"},
        {boxScore, "no program"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(batchLines({c.step}, "S").front() + " " + c.tool);
        Folder f;
        test::writeFile(f.data("a.txt"), "a");
        test::writeFile(f.data("b.txt"), "b");
        if (c.tool == standIn)
            fs::copy_file(test::bgamePath(), f.tool());
        else if (!c.tool.empty())
            test::writeFile(f.tool(), c.tool), fs::permissions(f.tool(), fs::perms::owner_all);
        EXPECT_FALSE(f.run({ChangeFolder{here("data")}, c.step, JoinFiles{"a.txt", "c.txt"}}));
        EXPECT_NE(f.said.str(), "");
        EXPECT_EQ(test::readFile(f.data("c.txt")), "a"); // the step after it ran
        EXPECT_EQ(test::readFile(f.data("a.txt")) + test::readFile(f.data("b.txt")), "ab");
    }
}

TEST(BoxScoreStandIn, KeysAllowLeadingBlanks)
{
    const std::pair<const char*, int> cases[] = {{"0401", 401}, {" 401", 401}, {"1030", 1030}, {"04 1", -1}, {"", -1}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(bgame::parseKey(key), value) << key;
}
