#include "season/schedulecsv.h"

#include "platform/textlines.h"
#include "tests/support/testsupport.h"

#include <functional>
#include <gtest/gtest.h>

using namespace rota;
using Fields = std::vector<std::string>;

namespace {

const char* kQuoted = "Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Postponed,Makeup";
const char* kWithLocation = "Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Location,Postponed,Makeup";

std::string messageOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(CsvRecord, SplitsQuotedAndPlainFields)
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
        if (c.ok) {
            EXPECT_EQ(fields, c.fields) << c.line;
        }
    }
}

TEST(ScheduleCsv, RecognisesTheHeaderRow)
{
    for (const char* line : {kQuoted, kWithLocation, "\xEF\xBB\xBF\"Date\",\"Num\",\"Day\",\"Visitor\"", "date,NUM,Day,visitor,x"})
        EXPECT_TRUE(isScheduleCsvHeader(line)) << line;
    for (const char* line : {"\"20050403\",\"0\",\"Sun\",\"BOS\"", "Date,Num,Day", "Num,Date,Day,Visitor", "\"Date,Num,Day,Visitor",
                             "\xEF\xBB Date,Num,Day,Visitor", ""})
        EXPECT_FALSE(isScheduleCsvHeader(line)) << line;
}

TEST(ScheduleCsv, ReadsBothFormsByColumnName)
{
    const struct {
        const char* header;
        const char* row;
        std::size_t fieldCount;
        const char* date;
    } cases[] = {
        {kQuoted, R"("20050403","0","Sun","BOS","AL",1,"NYA","AL",1,"N","Rain, then more; Site change","20050404")", 12,
         "04/03/05"},
        {kWithLocation, "20240320,0,Wednesday,BOS,AL,1,NYA,AL,1,n,SEO01,,", 13, "03/20/24"},
        {"Home,League,Visitor,League,Date", "NYA,AL,BOS,AL,19991231,extra", 5, "12/31/99"},
    };
    for (const auto& c : cases) {
        const ScheduleCsvColumns columns = scheduleCsvColumns(c.header);
        EXPECT_EQ(columns.fieldCount, c.fieldCount) << c.header;
        const ScheduleCsvGame game = readScheduleCsvRow(c.row, columns, 1);
        EXPECT_EQ(game.date, c.date) << c.row;
        EXPECT_EQ(game.visitorCode + game.visitorLeague + game.homeCode + game.homeLeague, "BOSALNYAAL") << c.row;
    }
}

TEST(ScheduleCsv, RefusesAnIncompleteHeaderNamingLineOne)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Date,Num,Day,Visitor,League,Game,Away,League", "line 1: the header row has no \"Home\" column"},
        {"Num,Visitor,League,Home,League", "line 1: the header row has no \"Date\" column"},
        {"Date,Visitor,Home,League", "line 1: the header row has no \"League\" column after \"Visitor\""},
        {"Date,Visitor,League,Home", "line 1: the header row has no \"League\" column after \"Home\""},
        {"Date,\"Visitor", "line 1: the header row has a quote that is never closed"},
    };
    for (const auto& [header, message] : cases)
        EXPECT_EQ(messageOf([&] { scheduleCsvColumns(header); }), message) << header;
}

TEST(ScheduleCsv, RefusesBadRowsNamingTheirLine)
{
    const ScheduleCsvColumns columns = scheduleCsvColumns(kQuoted);
    const std::pair<const char*, const char*> cases[] = {
        {R"("20050403","0","Sun","BOS","AL")", "line 8: the row has 5 fields; the header names 12"},
        {R"("20050403","0","Sun","BOS","AL",1,"NYA","AL",1,"N","Rain,"")", "line 8: a quote is never closed"},
        {"2005043,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"2005043\" is not 8 digits (YYYYMMDD)"},
        {"2005-04-03,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"2005-04-03\" is not 8 digits (YYYYMMDD)"},
        {"20051303,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"20051303\" has no such month or day"},
        {"20050400,0,Sun,BOS,AL,1,NYA,AL,1,N,,", "line 8: the date \"20050400\" has no such month or day"},
    };
    for (const auto& [row, message] : cases)
        EXPECT_EQ(messageOf([&] { readScheduleCsvRow(row, columns, 7); }), message) << row;
}

TEST(ScheduleCsv, ReadsEveryRowOfTheSampleFiles)
{
    const struct {
        const char* name;
        std::size_t games;
        const char* first;
        const char* last;
    } cases[] = {{"1915schedule.csv", 1848, "04/10/15", "10/07/15"}, {"2020schedule.csv", 900, "07/23/20", "09/27/20"}};
    for (const auto& c : cases) {
        const std::vector<std::string> lines = splitLines(test::readFile(test::sampleFile(c.name)));
        ASSERT_TRUE(isScheduleCsvHeader(lines.at(0))) << c.name;
        const ScheduleCsvColumns columns = scheduleCsvColumns(lines[0]);
        std::vector<ScheduleCsvGame> games;
        for (std::size_t i = 1; i < lines.size(); ++i)
            games.push_back(readScheduleCsvRow(lines[i], columns, i));
        ASSERT_EQ(games.size(), c.games) << c.name;
        EXPECT_EQ(games.front().date, c.first) << c.name;
        EXPECT_EQ(games.back().date, c.last) << c.name;
        for (const auto& g : games)
            ASSERT_TRUE(g.visitorCode.size() == 3 && g.homeCode.size() == 3 && g.visitorLeague.size() == 2 &&
                        g.homeLeague.size() == 2)
                << c.name << " " << g.date;
    }
}
