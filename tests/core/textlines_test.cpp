#include "platform/textlines.h"

#include "fuzz/harness.h"
#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

// The lines a LineReader hands out for `bytes`, given to it `piece` bytes at
// a time by its source (0: the text in memory), with the byte count it
// reports after each line checked against the bytes so far.
Lines readLines(const std::string& bytes, std::size_t piece)
{
    LineReader reader =
        piece == 0 ? LineReader(bytes) : LineReader(fuzz::piecesOf(bytes, piece), bytes.size(), piece);
    Lines lines;
    std::size_t ends = 0;
    for (std::string_view line; reader.next(line);) {
        lines.emplace_back(line);
        ends += line.size();
        EXPECT_GE(reader.bytesRead(), ends);
        EXPECT_LE(reader.bytesRead(), bytes.size());
    }
    EXPECT_EQ(reader.bytesRead(), bytes.size());
    return lines;
}

} // namespace

TEST(SplitLines, TableOfLineEnds)
{
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\nb\r\n\r\n", {"a", "", "b", ""}},
        {"a\n\rb", {"a", "", "b"}},   // LF CR is two line ends
        {"a\r\r\nb", {"a", "", "b"}}, // CR, then CR LF
        {"", {}},
        {"\n", {""}},
        {"\r", {""}},
        {"x\r", {"x"}},
        {"\r\r\n\n", {"", "", ""}},
        {"ab\ncd\0ef\ngh"s, {"ab", "cd\0ef"s, "gh"}}, // a zero byte stays in its line
        {"\0"s, {"\0"s}},
        {"a\0\r\0\nb"s, {"a\0"s, "\0"s, "b"}},
        {"Montr\xe9\x61l\n\xff", {"Montr\xe9\x61l", "\xff"}},
        // Ends of every kind in every order, so that the scan passes, reuses
        // and looks again for the next CR and LF.
        {"a\rb\rc\nd\ne\r\nf\r\r\ng\n\n\rh\r\n\ni", {"a", "b", "c", "d", "e", "f", "", "g", "", "", "h", "", "i"}},
        {"\n\r\n\r\rx\r\n\r\ny\n\rz\r", {"", "", "", "", "x", "", "y", "", "z"}},
    };
    for (const auto& [bytes, lines] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_EQ(splitLines(bytes), lines);
        // Pieces of every small size put each line end, a CR LF's two
        // bytes among them, on either side of a boundary.
        for (std::size_t piece : {0, 1, 2, 3, 4, 5, 7, 64})
            EXPECT_EQ(readLines(bytes, piece), lines) << "piece " << piece;
        EXPECT_EQ(splitLines(joinLinesCrlf(lines)), lines);
    }
}

TEST(LineReader, LinesLongerThanAPieceAndWholeFiles)
{
    const std::string longLine(100000, 'x');
    const std::string text = "a\r\n" + longLine + "\r\n" + longLine + "y\rb";
    EXPECT_EQ(readLines(text, 4096), (Lines{"a", longLine, longLine + "y", "b"}));

    test::TempDir dir;
    const std::string path = dir.file("season.txt");
    test::writeFile(path, text);
    LineReader file = LineReader::ofFile(path, 1000);
    EXPECT_EQ(file.expectedSize(), text.size());
    Lines lines;
    for (std::string_view line; file.next(line);)
        lines.emplace_back(line);
    EXPECT_EQ(lines, splitLines(text));
    EXPECT_THROW(LineReader::ofFile(dir.path() + "/missing.txt"), FileError);
    EXPECT_THROW(LineReader::ofFile(dir.path()), FileError);
}
