#include "common/textlines.h"

#include "fuzz/harness.h"
#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

// The lines a LineReader hands out for `bytes`, given to it `piece` bytes at
// a time by its source (0: the text in memory) and cutting lines longer than
// `longest`, with the byte count it reports after each line checked against
// the bytes so far.
Lines readLines(const std::string& bytes, std::size_t piece, std::size_t longest = std::string::npos)
{
    LineReader reader = piece == 0 ? LineReader(bytes) : LineReader(fuzz::piecesOf(bytes, piece), bytes.size(), piece);
    reader.cutLinesLongerThan(longest);
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
    const std::string x(100000, 'x');
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
        // A UTF-8 byte order mark at the start, and only there, is passed over.
        {"\xef\xbb\xbf"
         "a\nb",
         {"a", "b"}},
        {"\xef\xbb\xbf", {}},
        {"\xef\xbb\xbf\r\n", {""}},
        {"\xef\xbb", {"\xef\xbb"}},
        {"\xef\xbb\xbe\n", {"\xef\xbb\xbe"}},
        {"a\n\xef\xbb\xbf"
         "b",
         {"a", "\xef\xbb\xbf"
               "b"}},
        {"\xef\xbb\xbf\xef\xbb\xbfx", {"\xef\xbb\xbfx"}},
        // Ends of every kind in every order, so that the scan passes, reuses
        // and looks again for the next CR and LF.
        {"a\rb\rc\nd\ne\r\nf\r\r\ng\n\n\rh\r\n\ni", {"a", "b", "c", "d", "e", "f", "", "g", "", "", "h", "", "i"}},
        {"\n\r\n\r\rx\r\n\r\ny\n\rz\r", {"", "", "", "", "x", "", "y", "", "z"}},
        // Lines longer than a piece, and lines cut with the line end in the part passed over.
        {"a\r\n" + x + "\r\n" + x + "y\rb", {"a", x, x + "y", "b"}},
        {std::string(100000, '\0') + "\nok", {std::string(100000, '\0'), "ok"}},
        {"ab\rcdefgh\r\n\r\nabc", {"ab", "cdefgh", "", "abc"}},
        {"abcd\rabcde\nlongerline", {"abcd", "abcde", "longerline"}},
        {"abcdefghij\rxy\rabcdefghij\r\nxy", {"abcdefghij", "xy", "abcdefghij", "xy"}},
    };
    for (const auto& [bytes, lines] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 40)));
        EXPECT_EQ(splitLines(bytes), lines);
        // Pieces of every small size put each line end, a CR LF's two
        // bytes among them, on either side of a boundary; cut to 4 bytes,
        // each line is its first 4 bytes.
        Lines cut = lines;
        for (std::string& line : cut)
            line.resize(std::min<std::size_t>(line.size(), 4));
        for (std::size_t piece : {0, 1, 2, 3, 4, 5, 7, 64, 4096}) {
            EXPECT_EQ(readLines(bytes, piece), lines) << "piece " << piece;
            EXPECT_EQ(readLines(bytes, piece, 3), cut) << "piece " << piece;
        }
        if (lines.empty() || !lines[0].starts_with(kUtf8ByteOrderMark)) {
            EXPECT_EQ(splitLines(joinLinesCrlf(lines)), lines);
        }
    }
}

// Files are read in pieces by every season load; here, what cannot be read.
TEST(LineReader, FilesThatCannotBeReadAreRefused)
{
    test::TempDir dir;
    EXPECT_THROW(readFileLines(dir.path() + "/missing.txt"), FileError);
    EXPECT_THROW(readFileLines(dir.path()), FileError);
}

TEST(LineReader, ASourceLongerThanExpectedIsStillReadInWholePieces)
{
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += std::string(99, 'a' + i % 26) + "\n";
    for (const std::uint64_t expected : {std::uint64_t{0}, std::uint64_t{10}, ~std::uint64_t{0}}) {
        std::size_t calls = 0;
        ByteSource pieces = fuzz::piecesOf(text, text.size());
        LineReader reader(
            [&](char* buffer, std::size_t capacity) {
                ++calls;
                return pieces(buffer, capacity);
            },
            expected, 64 * 1024);
        std::size_t lines = 0;
        for (std::string_view line; reader.next(line); ++lines)
            ASSERT_EQ(line.size(), 99u);
        EXPECT_EQ(lines, 10000u) << expected;
        EXPECT_LT(calls, 100u) << expected; // not one read a line
    }
}
