#include "platform/textlines.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

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
        const TextLines held(bytes);
        ASSERT_EQ(held.size(), lines.size());
        for (std::size_t i = 0; i < held.size(); ++i)
            EXPECT_EQ(held[i], lines[i]) << i;
        EXPECT_EQ(splitLines(joinLinesCrlf(lines)), lines);
    }
}
