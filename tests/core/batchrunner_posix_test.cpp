// The batch interpreter of our own, which POSIX systems use.
#include "platform/batchrunner.h"

#include "compile/batchscript.h"
#include "compile/compiledata.h"
#include "platform/fileio.h"
#include "platform/textlines.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

using namespace rota;
namespace fs = std::filesystem;

namespace {

struct Folder {
    test::TempDir dir;
    std::ostringstream diagnostics;

    Folder() { fs::create_directory(dir.file("data")); }

    int run(const std::vector<std::string>& lines)
    {
        saveLines(dir.file("test.bat"), lines);
        return runBatchFile(dir.file("test.bat"), dir.path(), diagnostics);
    }
    std::string data(const std::string& name) const { return dir.file("data/" + name); }
};

// A program that appends its arguments and its folder to standard output.
std::string echoProgram(const test::TempDir& dir)
{
    const std::string path = dir.file("echoargs");
    test::writeFile(path, "#!/bin/sh\necho \"$@\" \"[$(basename \"$PWD\")]\"\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

} // namespace

TEST(BatchRunner, CopyJoinsMatchesInNameOrderWithoutRegardToCase)
{
    Folder f;
    test::writeFile(f.data("B.EVA"), "second\n");
    test::writeFile(f.data("a.eva"), "first\n");
    test::writeFile(f.data("c.evn"), "other\n");
    EXPECT_EQ(f.run({"cd " + f.dir.path() + "\\data", "copy *.eva data.run"}), 0);
    EXPECT_EQ(test::readFile(f.data("data.run")), "first\nsecond\n");
}

TEST(BatchRunner, RenMoveAndDelMatchNamesWithoutRegardToCase)
{
    Folder f;
    test::writeFile(f.data("TEAM1900"), "teams");
    test::writeFile(f.data("x.ros"), "r");
    const std::string s = f.dir.path();
    EXPECT_EQ(f.run({"cd " + s + "\\data", "move team1900 " + s + "\\", "cd ..", "move team1900 " + s + "\\data\\",
                     "cd data", "ren X.ROS roster.ros", "del Team1900"}),
              0)
        << f.diagnostics.str();
    EXPECT_FALSE(pathExists(f.data("TEAM1900")));
    EXPECT_EQ(test::readFile(f.data("roster.ros")), "r");
}

TEST(BatchRunner, ProgramOutputIsAppendedAndRunsInTheBatchFolder)
{
    Folder f;
    const std::string program = echoProgram(f.dir);
    const std::string s = f.dir.path();
    test::writeFile(f.data("al.txt"), "old\n");
    EXPECT_EQ(f.run({"cd " + s + "\\data", "cd ..", s + "\\echoargs -y 1900 -s  401 -dsp " + s + "\\data\\x >> " + s +
                                                          "\\data\\AL.TXT"}),
              0)
        << f.diagnostics.str();
    const std::string base = fs::path(s).filename().string();
    EXPECT_EQ(test::readFile(f.data("al.txt")), "old\n-y 1900 -s 401 -dsp " + s + "/data/x [" + base + "]\n");
}

TEST(BatchRunner, FailingLinesAreReportedAndTheRunGoesOn)
{
    Folder f;
    test::writeFile(f.data("keep.txt"), "k");
    EXPECT_EQ(f.run({"copy *.eva data.run", "nosuchprogram -x", "cd nowhere", "del *.zzz", "cd data",
                     "ren keep.txt kept.txt"}),
              1);
    const std::string said = f.diagnostics.str();
    EXPECT_NE(said.find("cannot find the file"), std::string::npos) << said;
    EXPECT_NE(said.find("not recognized"), std::string::npos) << said;
    EXPECT_NE(said.find("Could Not Find"), std::string::npos) << said;
    EXPECT_TRUE(pathExists(f.data("kept.txt")));
}

TEST(BatchRunner, ComposedBatchOverAnEmptyDataFolderChangesNothing)
{
    Folder f;
    BatchSettings settings{f.dir.path(), "1900", "0401", "1030", "AL00.txt", LeagueOption::AlNl};
    saveLines(f.dir.file(kBatchFileName), composeBatch(settings));
    EXPECT_EQ(runBatchFile(f.dir.file(kBatchFileName), f.dir.path(), f.diagnostics), 1);
    EXPECT_FALSE(pathExists(f.dir.file("AL00.txt")));
    EXPECT_TRUE(fs::is_empty(f.dir.file("data")));
}

TEST(CompileSeason, RealEventFilesBecomeTheDataFile)
{
    Folder f;
    fs::copy_file(test::bgamePath(), f.dir.file("bgame"));
    for (const char* name : {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"})
        fs::copy_file(test::sampleFile(name), f.data(name));
    test::writeFile(f.data("notes.txt"), "a short note\n");

    CompileInput in;
    in.dataFileName = "Season20";
    in.startDate = "07/01";
    in.endDate = "09/30";
    in.year = 2020;
    in.league = LeagueOption::AlNl;
    ASSERT_TRUE(compileSeason(f.dir.path(), in, f.diagnostics)) << f.diagnostics.str();

    const auto lines = loadLines(f.dir.file("Season20.txt"));
    std::size_t games = 0;
    for (const auto& line : lines)
        games += line.size() > 120 ? 1 : 0;
    EXPECT_EQ(games, 60u); // 30 home games each
    EXPECT_EQ(lines.back(), "a short note"); // every .txt of the data folder is joined in
    // The run consumed the season's files and its own.
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(f.dir.file("data")))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(test::readFile(f.dir.file("rotadata.bat")).substr(0, 5), "cls\r\n");
}
