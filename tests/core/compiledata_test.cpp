#include "compile/compiledata.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>

using namespace rota;

namespace {

CompileInput input(const std::string& name, const std::string& start = "04/01", const std::string& end = "10/30")
{
    CompileInput in;
    in.dataFileName = name;
    in.startDate = start;
    in.endDate = end;
    return in;
}

} // namespace

TEST(CompileChecks, OnlyTheFirstFailingCheckIsReported)
{
    EXPECT_EQ(compileInputProblem(input("", "04/ 1")), kNoFileNameMessage);
    EXPECT_EQ(compileInputProblem(input("AL00", "04/ 1", "ab/cd")), kBadStartDateMessage);
    EXPECT_EQ(compileInputProblem(input("AL00", "04/01", "1 /30")), kBadEndDateMessage);
    EXPECT_EQ(compileInputProblem(input("SEASON98")), "");
}

TEST(CompileChecks, KeysAreBlanksThenDigits)
{
    EXPECT_EQ(dateKey("04/01"), "0401");
    EXPECT_EQ(dateKey(" 4/01"), " 401");
    EXPECT_TRUE(keyConverts("0401"));
    EXPECT_TRUE(keyConverts(" 401"));
    EXPECT_TRUE(keyConverts("1345"));
    EXPECT_FALSE(keyConverts("04 1"));
    EXPECT_FALSE(keyConverts("    "));
    EXPECT_FALSE(keyConverts("401 "));
    EXPECT_THROW(dateKey("04/0"), std::invalid_argument);
    EXPECT_THROW(compileInputProblem(input("AL00", "04/0")), std::invalid_argument);
}

TEST(CompileChecks, DataFileNameTakesOnlySafeCharacters)
{
    EXPECT_EQ(compileInputProblem(input("AL_00-b")), "");
    for (const std::string bad : {"  ", "a b", "x&del", "a|b", "a>b", "a<b", "a^b", "50%", "a.b", "a\\b", "a/b",
                                  "caf\xe9"})
        EXPECT_EQ(compileInputProblem(input(bad)), kBadFileNameMessage) << bad;
}

TEST(CompileChecks, ProgramFolderMustBePassableToTheBatch)
{
    EXPECT_EQ(programDirProblem("/home/user/rota"), "");
    EXPECT_NE(programDirProblem("/home/my user/rota"), "");
    EXPECT_NE(programDirProblem("/tmp/a&b"), "");
    EXPECT_NE(programDirProblem(""), "");
}

TEST(CompileSeason, UnwritableProgramFolderFailsBeforeAnythingRuns)
{
    if (!test::foldersCanBeReadOnly())
        GTEST_SKIP() << "no read-only folders here";
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("data"));
    test::setReadOnly(dir.path(), true);
    std::ostringstream diagnostics;
    EXPECT_THROW(compileSeason(dir.path(), input("AL00"), diagnostics), FileError);
    EXPECT_FALSE(pathExists(dir.file("rotadata.bat")));
}
