#include "compile/batchscript.h"

#include "platform/textlines.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;

namespace {

BatchSettings example(int league)
{
    return {"C:\\SCHED", "1900", "0401", "1030", "AL00.txt", league};
}

const std::string kAmericanLeague = "cls\r\n"
                                    "cd C:\\SCHED\\data\r\n"
                                    "copy *.eva data.run\r\n"
                                    "copy *.ros roster.rrr\r\n"
                                    "ren roster.rrr roster.ros\r\n"
                                    "move team1900 C:\\SCHED\\\r\n"
                                    "cd ..\r\n"
                                    "C:\\SCHED\\bgame -y 1900 -s 0401 -e 1030 -dsp C:\\SCHED\\data\\data.run >> "
                                    "C:\\SCHED\\data\\al.txt\r\n"
                                    "move team1900 C:\\SCHED\\data\\\r\n"
                                    "cd data\r\n"
                                    "copy *.txt data.tx1\r\n"
                                    "ren data.tx1 AL00.txt\r\n"
                                    "move AL00.txt C:\\SCHED\\\r\n"
                                    "del data.run\r\n"
                                    "del roster.ros\r\n"
                                    "del al.txt\r\n"
                                    "del *.eva\r\n"
                                    "del *.ros\r\n"
                                    "del Team1900\r\n"
                                    "cd .. \r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(ComposeBatch, LeagueBlocksByteForByte)
{
    EXPECT_EQ(joinLinesCrlf(composeBatch(example(0))), kAmericanLeague);
    // The NL block differs only in its joined file, output file and extension.
    const std::string national =
        replaced(replaced(replaced(kAmericanLeague, "data.run", "data1.run"), "al.txt", "nl.txt"), "*.eva", "*.evn");
    EXPECT_EQ(joinLinesCrlf(composeBatch(example(1))), national);
}

TEST(ComposeBatch, TwoLeagueBlock)
{
    const Lines both = composeBatch(example(3));
    const Lines al = composeBatch(example(0));
    const Lines nl = composeBatch(example(1));
    ASSERT_EQ(both.size(), 25u);
    EXPECT_EQ((Lines(both.begin(), both.begin() + 8)),
              (Lines{al[0], al[1], "copy *.eva data.run", "copy *.evn data1.run", al[3], al[4], al[5], al[6]}));
    EXPECT_EQ(both[8], al[7]);
    EXPECT_EQ(both[9], nl[7]);
    EXPECT_EQ((Lines(both.begin() + 10, both.begin() + 15)), (Lines(al.begin() + 8, al.begin() + 13)));
    EXPECT_EQ((Lines(both.begin() + 15, both.end())),
              (Lines{"del data.run", "del data1.run", "del roster.ros", "del al.txt", "del nl.txt", "del *.eva",
                     "del *.evn", "del *.ros", "del Team1900", "cd .. "}));
}

TEST(ComposeBatch, FederalOrNoSelectionIsTheOpeningLinesAlone)
{
    for (int league : {2, -1, 7})
        EXPECT_EQ(composeBatch(example(league)), (Lines{"cls", "cd C:\\SCHED\\data"}));
}

TEST(ComposeBatch, RootFolderDoublesTheSeparator)
{
    BatchSettings root = example(0);
    root.shortProgramDir = "C:\\";
    const Lines lines = composeBatch(root);
    EXPECT_EQ(lines[1], "cd C:\\\\data");
    EXPECT_EQ(lines[5], "move team1900 C:\\\\");
}
