#include "platform/textlines.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace rota;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsOfEveryKindAreRemoved)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
    // LF CR is two line ends, CR LF one.
    EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, LastLineWithoutEndIsKept)
{
    EXPECT_EQ(splitLines("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n"), Lines{""});
}

TEST(SplitLines, ZeroByteEndsTheText)
{
    using namespace std::string_literals;
    EXPECT_EQ(splitLines("ab\ncd\0ef\ngh"s), (Lines{"ab", "cd"}));
    EXPECT_EQ(splitLines("\0abc"s), Lines{});
}

TEST(SplitLines, EightBitBytesPassUnchanged)
{
    EXPECT_EQ(splitLines("Montr\xe9\x61l\n\xff"), (Lines{"Montr\xe9\x61l", "\xff"}));
}

TEST(SaveLines, EveryLineEndsWithCrLfAndLoadsBack)
{
    test::TempDir dir;
    const Lines lines{"[Game Data]", "ABC=XYZ", "", "last"};
    saveLines(dir.file("t.ini"), lines);
    EXPECT_EQ(test::readFile(dir.file("t.ini")), "[Game Data]\r\nABC=XYZ\r\n\r\nlast\r\n");
    EXPECT_EQ(loadLines(dir.file("t.ini")), lines);
}

TEST(LoadLines, MissingFileNamesTheFile)
{
    test::TempDir dir;
    try {
        loadLines(dir.file("nothere.txt"));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("nothere.txt"), std::string::npos);
    }
    EXPECT_THROW(loadLines(dir.path()), FileError);
    // A pipe is refused rather than waited on.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    EXPECT_THROW(loadLines(dir.file("pipe")), FileError);
}
