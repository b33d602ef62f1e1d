// The pieces of the schedule CSV reader that loading whole files does not
// reach: field splitting, header recognition, columns in any order, and the
// refusals of headers and rows a load never hands it.
#include "season/schedulecsv.h"

#include <gtest/gtest.h>

using namespace rota;
using Fields = std::vector<std::string>;

TEST(ScheduleCsv, SplitsQuotedAndPlainFields)
{
    const struct {
        const char* line;
        bool ok;
        Fields fields;
    } cases[] = {
        {"", true, {""}},
        {"a,,b,", true, {"a", "", "b", ""}},
        {R"("20050403","0",1,"")", true, {"20050403", "0", "1", ""}},
        {R"("Rain; Site, change","say ""hi""",x)", true, {"Rain; Site, change", "say \"hi\"", "x"}},
        {R"("",""")", false, {}},
        {R"(a,"open)", false, {}},
        {R"(a"b,c)", true, {"a\"b", "c"}},
    };
    for (const auto& c : cases) {
        Fields fields{"stale"};
        EXPECT_EQ(splitCsvRecord(c.line, fields), c.ok) << c.line;
        EXPECT_EQ(fields, c.ok ? c.fields : fields) << c.line;
    }
}

TEST(ScheduleCsv, RecognisesTheHeaderRowAndFindsColumnsByName)
{
    for (const char* line : {"\xEF\xBB\xBF\"Date\",\"Num\",\"Day\",\"Visitor\"", "date,NUM,Day,visitor,x"})
        EXPECT_TRUE(isScheduleCsvHeader(line)) << line;
    for (const char* line : {"\"20050403\",\"0\",\"Sun\",\"BOS\"", "Date,Num,Day", "Num,Date,Day,Visitor",
                             "\"Date,Num,Day,Visitor", "\xEF\xBB Date,Num,Day,Visitor", ""})
        EXPECT_FALSE(isScheduleCsvHeader(line)) << line;
    const ScheduleCsvGame game =
        readScheduleCsvRow("NYA,AL,BOS,AL,19991231,x", scheduleCsvColumns("Home,League,Visitor,League,Date"), 1);
    EXPECT_EQ(game.date + game.visitorCode + game.visitorLeague + game.homeCode + game.homeLeague,
              "12/31/99BOSALNYAAL");
}

TEST(ScheduleCsv, RefusalsNameTheLineAndTheCause)
{
    const char* header = "Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Postponed,Makeup";
    const struct {
        const char* header;
        const char* row;
        const char* message;
    } cases[] = {
        {"Num,Visitor,League,Home,League", "", "line 1: the header row has no \"Date\" column"},
        {"Date,Visitor,Home,League", "", "line 1: the header row has no \"League\" column after \"Visitor\""},
        {"Date,Visitor,League,Home", "", "line 1: the header row has no \"League\" column after \"Home\""},
        {"Date,\"Visitor", "", "line 1: the header row has a quote that is never closed"},
        {header, R"("20050403","0","Sun","BOS","AL",1,"NYA","AL",1,"N","Rain,"")", "line 8: a quote is never closed"},
        {header, "2005043,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"2005043\" is not 8 digits (YYYYMMDD)"},
        {header, "20051303,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"20051303\" has no such month or day"},
        {header, "20050400,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"20050400\" has no such month or day"},
    };
    for (const auto& c : cases) {
        std::string said;
        try {
            readScheduleCsvRow(c.row, scheduleCsvColumns(c.header), 7);
        } catch (const DataError& e) {
            said = e.what();
        }
        EXPECT_EQ(said, c.message) << c.header << " " << c.row;
    }
}
