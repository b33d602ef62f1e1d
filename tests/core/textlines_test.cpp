#include "platform/textlines.h"

#include <gtest/gtest.h>
#include <random>

using namespace rota;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

void expectLines(const std::string& bytes, const Lines& lines)
{
    EXPECT_EQ(splitLines(bytes), lines) << testing::PrintToString(bytes);
    const TextLines held(bytes);
    ASSERT_EQ(held.size(), lines.size()) << testing::PrintToString(bytes);
    for (std::size_t i = 0; i < held.size(); ++i)
        EXPECT_EQ(held[i], lines[i]) << testing::PrintToString(bytes) << " line " << i;
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
    };
    for (const auto& [bytes, lines] : cases)
        expectLines(bytes, lines);
}

TEST(SplitLines, ManyRandomLinesComeBack)
{
    // Lines of every length, ended at random by CR, LF or CR LF, so that the
    // scan passes, reuses and looks again for the next CR and LF in every order.
    std::mt19937 random(1915);
    const char* const ends[] = {"\r", "\n", "\r\n"};
    std::string bytes, previousEnd;
    Lines lines;
    for (int i = 0; i < 2000; ++i) {
        std::string line(random() % 5 == 0 ? 0 : random() % 90, 'x'), end = ends[random() % 3];
        for (char& c : line)
            c = random() % 13 == 0 ? '\0' : static_cast<char>('a' + random() % 26);
        if (previousEnd == "\r" && line.empty() && end == "\n")
            end = "\r"; // CR, then LF alone, would be one CR LF end
        bytes += line + end;
        lines.push_back(line);
        previousEnd = end;
    }
    lines.push_back("last");
    expectLines(bytes + "last", lines);
    EXPECT_EQ(splitLines(joinLinesCrlf(lines)), lines);
}
