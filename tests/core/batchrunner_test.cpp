#include "platform/batchrunner.h"

#include "platform/fileio.h"
#include "platform/textlines.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace rota;
namespace fs = std::filesystem;

TEST(BatchRunner, RunsInTheFolderGivenAndLeavesOursAlone)
{
    test::TempDir dir;
    fs::create_directory(dir.file("work"));
    test::writeFile(dir.file("work/in.txt"), "season\r\n");
    saveLines(dir.file("run.bat"), {"copy in.txt out.txt", "ren out.txt done.txt"});
    const fs::path ours = fs::current_path();
    std::ostringstream diagnostics;
    EXPECT_EQ(runBatchFile(dir.file("run.bat"), dir.file("work"), diagnostics), 0) << diagnostics.str();
    EXPECT_EQ(fs::current_path(), ours);
    EXPECT_EQ(test::readFile(dir.file("work/done.txt")), "season\r\n");
    EXPECT_FALSE(pathExists(dir.file("work/out.txt")));
}
