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

} // namespace

TEST(ComposeBatch, AmericanLeagueWorkedExampleByteForByte)
{
    const std::string expected = "cls\r\n"
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
    EXPECT_EQ(joinLinesCrlf(composeBatch(example(0))), expected);
}

TEST(ComposeBatch, NationalLeagueDiffersOnlyInTheStarredLines)
{
    const Lines al = composeBatch(example(0));
    const Lines nl = composeBatch(example(1));
    ASSERT_EQ(nl.size(), 20u);
    for (std::size_t i = 0; i < al.size(); ++i) {
        const std::size_t line = i + 1;
        if (line == 3 || line == 8 || line == 14 || line == 16 || line == 17)
            EXPECT_NE(al[i], nl[i]) << line;
        else
            EXPECT_EQ(al[i], nl[i]) << line;
    }
    EXPECT_EQ(nl[2], "copy *.evn data1.run");
    EXPECT_EQ(nl[7], "C:\\SCHED\\bgame -y 1900 -s 0401 -e 1030 -dsp C:\\SCHED\\data\\data1.run >> C:\\SCHED\\data\\nl.txt");
    EXPECT_EQ(nl[13], "del data1.run");
    EXPECT_EQ(nl[15], "del nl.txt");
    EXPECT_EQ(nl[16], "del *.evn");
}

TEST(ComposeBatch, TwoLeagueBlock)
{
    const Lines both = composeBatch(example(3));
    ASSERT_EQ(both.size(), 25u);
    const Lines al = composeBatch(example(0));
    const Lines nl = composeBatch(example(1));
    EXPECT_EQ(both[2], "copy *.eva data.run");
    EXPECT_EQ(both[3], "copy *.evn data1.run");
    EXPECT_EQ(both[8], al[7]);
    EXPECT_EQ(both[9], nl[7]);
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
