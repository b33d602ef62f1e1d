// The batch interpreter of our own, which POSIX systems use. Programs, their
// arguments, folder and ">>" run in every real compile (compile_test).
#include "platform/batchrunner.h"

#include "platform/fileio.h"
#include "common/textlines.h"
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
    const std::string s = dir.path();
    std::ostringstream said;

    Folder() { fs::create_directory(dir.file("data")); }
    int run(const std::vector<std::string>& lines)
    {
        writeFileAtomically(dir.file("test.bat"), joinLinesCrlf(lines));
        return runBatchFile(dir.file("test.bat"), s, said);
    }
    std::string data(const std::string& name) const { return dir.file("data/" + name); }
    // A program in the folder that runs `script` in the shell.
    void program(const std::string& name, const std::string& script) const
    {
        test::writeFile(dir.file(name), "#!/bin/sh\n" + script + "\n");
        ::chmod(dir.file(name).c_str(), 0755);
    }
};

} // namespace

TEST(BatchRunner, CommandsMatchNamesWithoutRegardToCase)
{
    Folder f;
    for (const auto& [name, text] : {std::pair{"B.EVA", "second\n"}, {"a.eva", "first\n"}, {"c.evn", "other\n"},
                                     {"TEAM1900", "teams"}, {"x.ros", "r"}})
        test::writeFile(f.data(name), text);
    fs::create_directory(f.data("sub"));
    EXPECT_EQ(f.run({"cls", "", "cd " + f.s + "\\data", "copy *.eva data.run", "copy C.EVN sub", "move team1900 " + f.s + "\\",
                     "cd ..", "cd", "move team1900 " + f.s + "\\data\\", "cd data", "ren X.ROS roster.ros",
                     "del Team1900*"}),
              0)
        << f.said.str();
    EXPECT_EQ(test::readFile(f.data("data.run")), "first\nsecond\n"); // in name order
    EXPECT_EQ(test::readFile(f.data("sub/c.evn")), "other\n");
    EXPECT_FALSE(std::filesystem::exists(f.data("TEAM1900")));
    EXPECT_EQ(test::readFile(f.data("roster.ros")), "r");
}

TEST(BatchRunner, EachFailingLineIsReportedAndTheRunGoesOn)
{
    Folder f;
    test::writeFile(f.data("a.txt"), "a");
    test::writeFile(f.data("b.txt"), "b");
    f.program("fails", "exit 3");
    f.program("killed", "kill -9 $$");
    test::writeFile(f.dir.file("garbage"), "no program");
    ::chmod(f.dir.file("garbage").c_str(), 0755);
    for (const char* line : {"copy *.eva data.run", "copy a.txt", "ren a.txt", "ren a.txt b.txt", "ren a.txt B.TXT", "ren a.txt no/b.txt",
                             "ren zzz.txt y.txt", "move a.txt", "move a.txt no\\such\\", "del", "del *.zzz",
                             "cd nowhere", "nosuchprogram -x", "..\\fails", "..\\killed", "..\\garbage", "..\\fails >>"}) {
        f.said.str("");
        EXPECT_EQ(f.run({"cd data", line, "copy a.txt c.txt"}), 1) << line;
        EXPECT_NE(f.said.str(), "") << line;
        EXPECT_TRUE(fs::remove(f.data("c.txt"))) << line; // the line after it ran
        EXPECT_EQ(test::readFile(f.data("a.txt")) + test::readFile(f.data("b.txt")), "ab") << line;
    }
    EXPECT_EQ(runBatchFile(f.dir.file("missing.bat"), f.s, f.said), 1);
}
