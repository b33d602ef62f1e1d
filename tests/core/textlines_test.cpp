#include "platform/textlines.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>
#include <random>

using namespace rota;
using Lines = std::vector<std::string>;

namespace {

using namespace std::string_literals;

struct SplitCase {
    std::string bytes;
    Lines lines;
};

const SplitCase kSplitCases[] = {
    {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"a\n\nb\r\n\r\n", {"a", "", "b", ""}},
    {"a\n\rb", {"a", "", "b"}},          // LF CR is two line ends
    {"a\r\r\nb", {"a", "", "b"}},        // CR, then CR LF
    {"one\ntwo", {"one", "two"}},         // a last line without an end is kept
    {"", {}},
    {"\n", {""}},
    {"\r", {""}},
    {"\r\n", {""}},
    {"x\r", {"x"}},
    {"\r\r\n\n", {"", "", ""}},
    {"ab\ncd\0ef\ngh"s, {"ab", "cd\0ef"s, "gh"}}, // a zero byte stays in its line
    {"\0abc"s, {"\0abc"s}},
    {"\0"s, {"\0"s}},
    {"a\0\r\0\nb"s, {"a\0"s, "\0"s, "b"}},
    {"Montr\xe9\x61l\n\xff", {"Montr\xe9\x61l", "\xff"}},
};

} // namespace

TEST(SplitLines, TableOfLineEnds)
{
    for (const auto& c : kSplitCases) {
        EXPECT_EQ(splitLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
        const TextLines held(c.bytes);
        ASSERT_EQ(held.size(), c.lines.size()) << testing::PrintToString(c.bytes);
        for (std::size_t i = 0; i < held.size(); ++i)
            EXPECT_EQ(held[i], c.lines[i]) << testing::PrintToString(c.bytes) << " line " << i;
    }
}

TEST(SplitLines, ManyRandomLinesComeBack)
{
    // Lines of every length, ended at random by CR, LF or CR LF, so that the
    // scan passes, reuses and looks again for the next CR and LF in every order.
    std::mt19937 random(1915);
    const char* const ends[] = {"\r", "\n", "\r\n"};
    std::string bytes;
    Lines lines;
    std::string previousEnd;
    for (int i = 0; i < 2000; ++i) {
        std::string line(random() % 5 == 0 ? 0 : random() % 90, 'x');
        for (char& c : line)
            c = random() % 13 == 0 ? '\0' : static_cast<char>('a' + random() % 26);
        std::string end = ends[random() % 3];
        if (previousEnd == "\r" && line.empty() && end == "\n")
            end = "\r"; // CR, then LF alone, would be one CR LF end
        bytes += line + end;
        lines.push_back(line);
        previousEnd = end;
    }
    bytes += "last";
    lines.push_back("last");
    EXPECT_EQ(splitLines(bytes), lines);
    EXPECT_EQ(TextLines(bytes).size(), lines.size());
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
}
