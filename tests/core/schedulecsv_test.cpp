// The pieces of the schedule CSV reader that loading whole files does not
// reach: header recognition, columns in any order, quotes in fields, and the
// refusals of headers and rows a load never hands it.
#include "season/schedulecsv.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;

TEST(ScheduleCsv, RecognisesTheHeaderRowAndFindsColumnsByName)
{
    for (const char* line : {"\xEF\xBB\xBF\"Date\",\"Num\",\"Day\",\"Visitor\"", "date,NUM,Day,visitor,x"})
        EXPECT_TRUE(isScheduleCsvHeader(line)) << line;
    for (const char* line : {"\"20050403\",\"0\",\"Sun\",\"BOS\"", "Date,Num,Day", "Num,Date,Day,Visitor",
                             "\"Date,Num,Day,Visitor", "\xEF\xBB Date,Num,Day,Visitor", ""})
        EXPECT_FALSE(isScheduleCsvHeader(line)) << line;
    std::vector<std::string> fields;
    EXPECT_TRUE(splitCsvRecord(R"("Rain; Site, change","say ""hi""",,x)", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"Rain; Site, change", "say \"hi\"", "", "x"}));
    const ScheduleCsvGame game =
        readScheduleCsvRow("NYA,AL,BOS,AL,19991231,x", scheduleCsvColumns("Home,League,Visitor,League,Date"), 1);
    EXPECT_EQ(game.date + game.visitorCode + game.visitorLeague + game.homeCode + game.homeLeague,
              "12/31/99BOSALNYAAL");
}

TEST(ScheduleCsv, RefusalsNameTheLineAndTheCause)
{
    const char* header = "Date,Visitor,League,Home,League";
    const std::pair<const char*, const char*> cases[] = {
        // a header row and a row of it
        {"Num,Visitor,League,Home,League", "line 1: the header row has no \"Date\" column"},
        {"Date,Visitor,Home,League", "line 1: the header row has no \"League\" column after \"Visitor\""},
        {"Date,Visitor,League,Home", "line 1: the header row has no \"League\" column after \"Home\""},
        {"Date,\"Visitor", "line 1: the header row has a quote that is never closed"},
        {R"("20050403","BOS","AL","NYA","AL,"")", "line 8: a quote is never closed"},
        {"20051303,BOS,AL,NYA,AL", "line 8: the date \"20051303\" has no such month or day"},
        {"20050400,BOS,AL,NYA,AL", "line 8: the date \"20050400\" has no such month or day"},
    };
    for (const auto& [text, message] : cases) {
        const bool isHeader = std::string(message).starts_with("line 1");
        const auto read = [&] { readScheduleCsvRow(text, scheduleCsvColumns(isHeader ? text : header), 7); };
        EXPECT_EQ(test::thrown<DataError>(read), message) << text;
    }
}
