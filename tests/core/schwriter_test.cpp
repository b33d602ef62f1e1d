#include "schedule/schwriter.h"

#include <gtest/gtest.h>

using namespace rota;
using Rows = std::vector<GameRow>;

namespace {

std::string spaces(std::size_t n)
{
    return std::string(n, ' ');
}

std::string record(const std::string& file, std::size_t index)
{
    return file.substr(index * kRecordLength, kRecordLength);
}

} // namespace

TEST(ScheduleWriter, OneGameIsAHeaderAndADayRecord)
{
    const std::string file = buildScheduleFile({GameRow{"04/03/05", "05ABC", "05DEF", ""}});
    ASSERT_EQ(file.size(), 860u);
    EXPECT_EQ(record(file, 0), "D" + spaces(429));
    EXPECT_EQ(record(file, 1), "  04/03/05" "05ABC   " "05DEF   " + spaces(12) + spaces(392));
}

TEST(ScheduleWriter, EachRunOfEqualDatesIsOneRecord)
{
    const Rows rows{{"04/03/05", "a", "b", ""}, {"04/03/05", "c", "d", ""}, {"04/03/05", "e", "f", ""},
                    {"04/04/05", "g", "h", ""}, {"04/04/05", "i", "j", ""}};
    const std::string file = buildScheduleFile(rows);
    ASSERT_EQ(file.size(), 1290u);
    const std::string first = record(file, 1);
    EXPECT_EQ(first.substr(0, 10), "  04/03/05");
    EXPECT_EQ(first.substr(10 + 2 * 28, 28), "e       f       " + spaces(12));
    EXPECT_EQ(first.substr(10 + 3 * 28), spaces(12 * 28));
    const std::string second = record(file, 2);
    EXPECT_EQ(second.substr(0, 10 + 28), "  04/04/05g       h       " + spaces(12));
    EXPECT_EQ(second.substr(10 + 2 * 28), spaces(13 * 28));
}

TEST(ScheduleWriter, DoubleheaderMarkAndPadWidths)
{
    const std::string file = buildScheduleFile({GameRow{"04/03/05", "05ABCDEF", "05", "/n:2"}});
    EXPECT_EQ(record(file, 1).substr(10, 28), "05ABCDEF05      /n:2        ");
    const std::string empty = buildScheduleFile({GameRow{"04/03/05", "", "", ""}});
    EXPECT_EQ(record(empty, 1).substr(10, 28), spaces(28));
}

TEST(ScheduleWriter, SameDateInTwoStretchesGivesTwoRecords)
{
    const std::string file =
        buildScheduleFile({{"04/03/05", "a", "b", ""}, {"04/04/05", "a", "b", ""}, {"04/03/05", "a", "b", ""}});
    ASSERT_EQ(file.size(), 4 * kRecordLength);
    EXPECT_EQ(record(file, 3).substr(2, 8), "04/03/05");
}

TEST(ScheduleWriter, ProgressStopsShortOfAHundred)
{
    std::vector<int> percents;
    std::vector<int> positions;
    buildScheduleFile(Rows(3, GameRow{"04/03/05", "a", "b", ""}), [&](std::size_t i, std::size_t n) {
        percents.push_back(schedulePercent(i, n));
        positions.push_back(scheduleProgressPosition(i, n));
    });
    EXPECT_EQ(percents, (std::vector<int>{0, 33, 66}));
    EXPECT_EQ(positions, (std::vector<int>{0, 3333, 6666}));
}

TEST(ScheduleLimits, NamesEveryCrowdedDateAndLongText)
{
    Rows rows(20, GameRow{"05/30/84", "84A", "84B", ""});
    rows.push_back({"05/31/84", "84Chicago1", "84B", ""});
    rows.push_back({"05/31/84", "84Chicago1", "84Boston99", ""});
    rows.push_back({"5/31/84", "84A", "84B", ""});
    const auto problems = scheduleLimitProblems(rows);
    EXPECT_EQ(problems, (std::vector<std::string>{"05/30/84: 20 games",
                                                  "\"5/31/84\": a date must be 8 characters (MM/DD/YY)",
                                                  "\"84Chicago1\": 10 characters", "\"84Boston99\": 10 characters"}));
    const std::string message = scheduleLimitMessage(problems);
    EXPECT_NE(message.find("05/30/84: 20 games"), std::string::npos);
    EXPECT_NE(message.find("rota.ini"), std::string::npos);
}

TEST(ScheduleWriter, RefusesRowsThatDoNotFit)
{
    EXPECT_THROW(buildScheduleFile(Rows(16, GameRow{"05/30/84", "a", "b", ""})), std::length_error);
    EXPECT_THROW(buildScheduleFile({GameRow{"05/30/84", "123456789", "b", ""}}), std::length_error);
    EXPECT_THROW(buildScheduleFile({GameRow{"5/30/84", "a", "b", ""}}), std::length_error);
}

TEST(ScheduleLimits, FifteenGamesAndEightCharactersFit)
{
    Rows rows(15, GameRow{"05/30/84", "84ABCDEF", "84ABCDEF", "/n:2"});
    EXPECT_TRUE(scheduleLimitProblems(rows).empty());
    const std::string file = buildScheduleFile(rows);
    EXPECT_EQ(file.size(), 2 * kRecordLength);
}
