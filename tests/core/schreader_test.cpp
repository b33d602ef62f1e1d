// The .sch decoder refuses every malformed file, naming the first wrong
// byte; what the writer makes decodes back (see the session and fuzz tests).
#include "schedule/schreader.h"

#include "schedule/schwriter.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;

TEST(ScheduleReader, RefusesMalformedFilesNamingTheByte)
{
    // Two day records: 04/03/05 with two games, 04/04/05 with one.
    const std::string valid = buildScheduleFile(
        {{"04/03/05", "05BOS", "05NYA", ""}, {"04/03/05", "05CHA", "05DET", "/n:2"}, {"04/04/05", "a", "b", ""}});
    const auto patched = [&](std::size_t offset, const std::string& bytes, std::size_t size = 3 * kRecordLength) {
        std::string file = valid;
        file.replace(offset, bytes.size(), bytes);
        file.resize(size, ' ');
        return file;
    };
    const std::size_t day = kRecordLength, slot2 = day + 10 + kSlotLength;
    const std::pair<std::string, std::string> cases[] = {
        {"", "byte 0: the file has 0 bytes, which is not a positive multiple of 430"},
        {patched(0, "", 1000), "byte 860: the file has 1000 bytes, which is not a positive multiple of 430"},
        {patched(0, "d"), "byte 0: the header record does not start with \"D\""},
        {patched(429, "x"), "byte 429: the header record holds more than \"D\" and blanks"},
        {patched(day + 1, "x"), "byte 431: a day record must start with two blanks"},
        {patched(day + 4, "-"), "byte 434: the date \"04-03/05\" is not MM/DD/YY"},
        {patched(day + 9, "o"), "byte 439: the date \"04/03/0o\" is not MM/DD/YY"},
        {patched(slot2 + 16, "/n:2 x"), "byte 484: the DH field is neither \"/n:2\" nor blank"},
        {patched(slot2 + 16, "      "), ""},
        {patched(slot2 + 27, "x"), "byte 495: the last 6 bytes of a game slot must be blank"},
        {patched(slot2, std::string(8, ' ')), "byte 468: a game slot has a blank team text"},
        {patched(slot2 + 8, std::string(8, ' ')), "byte 476: a game slot has a blank team text"},
        {patched(slot2 + 2, "\x1b"), "byte 470: a team text holds the control character 0x1B"},
        {patched(slot2 + 13, "\t"), "byte 481: a team text holds the control character 0x09"},
        {patched(day + 10, "\x7f"), "byte 440: a team text holds the control character 0x7F"},
        {patched(slot2 + 2, "\x80\x9f\xff"), ""}, // C1 bytes are letters of Windows-1252
        {patched(day + 10, std::string(28, ' ')), "byte 468: a game follows an empty slot of its day record"},
        {patched(day + 10 + 14 * kSlotLength, "z"), "byte 832: a game follows an empty slot of its day record"},
        {patched(2 * day + 10, std::string(28, ' ')), "byte 860: the day record for 04/04/05 holds no game"},
        {patched(2 * day + 2, "04/03/05"),
         "byte 862: the date 04/03/05 does not come after 04/03/05 of the record before"},
        {patched(2 * day + 2, "04/02/05"),
         "byte 862: the date 04/02/05 does not come after 04/03/05 of the record before"},
    };
    for (const auto& [file, message] : cases) {
        EXPECT_EQ(test::thrown<ScheduleFormatError>([&] { decodeScheduleFile(file); }), message);
    }
}
