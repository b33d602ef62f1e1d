// Loading small season texts of every layout through the session: the rows
// it shows, and how it refuses files it cannot read.
#include "platform/fileio.h"
#include "season/seasonloader.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using DT = DataType;
using LO = LeagueOption;

namespace {

struct Loaded {
    Outcome outcome, written; // of Session::openSeason, then of Session::writeScheduleTo
    SessionState state;       // after the load
    std::vector<GameRow> rows;
    std::string ini, sch; // rota.ini and the .sch file afterwards
    bool seasonKept;      // the season file is byte-identical afterwards
};

// Loads `text` as `type` through a session whose program folder holds `ini`
// as rota.ini, and writes what it loaded.
Loaded loadText(const std::string& text, DT type, LO league, const std::string& ini, int year = 1900)
{
    test::TempDir home;
    test::writeFile(home.file("rota.ini"), ini);
    test::writeFile(home.file("season.txt"), text);
    Session session(home.path());
    session.chooseDataType(type);
    Loaded out;
    out.outcome = session.openSeason(home.file("season.txt"), {league, year});
    out.state = session.state();
    out.rows = session.games().rows();
    out.written = session.writeScheduleTo(home.file("out.sch"));
    out.ini = test::readFile(home.file("rota.ini"));
    out.sch = readFileIfPresent(home.file("out.sch")).value_or("");
    out.seasonKept = test::readFile(home.file("season.txt")) == text;
    return out;
}

const std::string kNames = "[Schedule Data]\nBOS AL=BosA\nNYA AL=NyaA\nNYN NL=NynN\nPHI NL=PhiN\nCHF FL=ChfF\n"
                           "[Game Data]\nBOS=Bos\nNYA=Nya\n";

using test::scheduleLine;

std::string gameLog(const std::string& date, const std::string& vis, const std::string& home,
                    const std::string& number = "\"0\"")
{
    return "\"" + date + "\"," + number + ",\"Sun\",\"" + vis.substr(0, 3) + "\",\"" + vis.substr(4) + "\",12,\"" +
           home.substr(0, 3) + "\",\"" + home.substr(4) + "\",12,3,2,54,\"D\",\"\",\"\",\"\",\"BAL10\"\n";
}

// A line of the box-score tool's output, padded to `length`.
std::string gameData(const std::string& date, const std::string& vis, const std::string& home, std::size_t length = 130,
                     const std::string& id = "NYA202007310")
{
    std::string line =
        "\"" + id + "\",\"" + date + "\",0,\"Fri\",\"7:05\",\"nt\",\"NYC21\",\"" + vis + "\",\"" + home + "\",";
    line.resize(length, 'x');
    return line + "\n";
}

const std::string kCsvHeader = "Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Postponed,Makeup\n";

std::string poked(std::string text, std::size_t at, char byte)
{
    text[at] = byte;
    return text;
}

// One line per row: date, Vis and Home texts, and "DH" for a doubleheader.
std::string summary(const std::vector<GameRow>& rows)
{
    std::string out;
    for (const GameRow& row : rows)
        out += row.date + " " + row.vis + " " + row.home + (row.dh.empty() ? "" : " DH") + "\n";
    return out;
}

} // namespace

TEST(SeasonLayouts, RowsFollowTheLayoutTheFoldingAndTheLeagueOption)
{
    const std::string dh = scheduleLine("20050403", "BOS AL", "NYA AL"),
                      leagues = scheduleLine("20050403", "BOS AL", "NYN NL") +
                                scheduleLine("20050404", "CHF FL", "PHI NL") +
                                scheduleLine("20050405", "NYN NL", "PHI NL");
    const std::string headed = "\"Date\",\"Visitor\",\"Home\",\"League\",\"and more heading\"\n";
    // year: for the headed layouts.
    const struct {
        DT type;
        std::string text;
        const char* rows;
        LO league = LO::AlNl;
        int year = 1900;
    } cases[] = {
        // a blank first line, the year from the first game, end-of-file mark
        {DT::ScheduleData, "\r\n" + dh + "\x1a", "04/03/05 05BosA 05NyaA\n"},
        // visitor's game number moves the home team
        {DT::ScheduleData,
         scheduleLine("20050404", "BOS AL", "NYN NL", "123") + scheduleLine("20050403", "BOS AL", "NYA AL", "12"),
         "04/03/05 05BosA 05NyaA\n04/04/05 05BosA 05NynN\n"},
        // adjacent repeats fold, a distant one does not
        {DT::ScheduleData, dh + dh + dh + scheduleLine("20050403", "NYN NL", "PHI NL") + dh,
         "04/03/05 05BosA 05NyaA DH\n04/03/05 05NynN 05PhiN\n04/03/05 05BosA 05NyaA\n"},
        // rows by month, day, then year; games of a date in file order
        {DT::ScheduleData,
         scheduleLine("20051001", "BOS AL", "NYA AL") + scheduleLine("20040405", "BOS AL", "NYA AL") +
             scheduleLine("20050405", "NYN NL", "PHI NL") + scheduleLine("20040405", "NYN NL", "PHI NL") +
             scheduleLine("20050403", "BOS AL", "NYA AL"),
         "04/03/05 05BosA 05NyaA\n04/05/04 05BosA 05NyaA\n04/05/04 05NynN 05PhiN\n04/05/05 05NynN 05PhiN\n"
         "10/01/05 05BosA 05NyaA\n"},
        // headed schedule
        {DT::ScheduleData,
         headed + "\"04/14\",\"NYN\",\"PHI\",\"N\",\"\"\n\"04/13(1)\",\"BOS\",\"NYA\",\"A\",\"\"\n\"04/"
                  "13(2)\",\"BOS\",\"NYA\",\"A\",\"\"\n",
         "04/13/67 67BosA 67NyaA DH\n04/14/67 67NynN 67PhiN\n", LO::AlNl, 1967},
        // quoted CSV, a distant repeat folds
        {DT::ScheduleData,
         kCsvHeader + "\"20050403\",\"0\",\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"N\",\"Rain, later\",\"\"\n" +
             "\"20050403\",\"0\",\"Sun\",\"NYN\",\"NL\",1,\"PHI\",\"NL\",1,\"N\",\"\",\"\"\n" +
             "\"20050403\",\"2\",\"Sun\",\"BOS\",\"AL\",2,\"NYA\",\"AL\",2,\"N\",\"\",\"\"\n",
         "04/03/05 05BosA 05NyaA DH\n04/03/05 05NynN 05PhiN\n"},
        // unquoted CSV with a Location column
        {DT::ScheduleData,
         "Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Location,Postponed,Makeup\n"
         "20240320,0,Wednesday,BOS,AL,1,NYA,AL,1,n,SEO01,,\n",
         "03/20/24 24BosA 24NyaA\n"},
        // league A
        {DT::ScheduleData, leagues, "04/03/05 05BosA 05NynN\n", LO::American},
        // league N
        {DT::ScheduleData, leagues, "04/05/05 05NynN 05PhiN\n", LO::National},
        // league F
        {DT::ScheduleData, leagues, "04/04/05 05ChfF 05PhiN\n", LO::Federal},
        // league AL/NL
        {DT::ScheduleData, leagues, "04/03/05 05BosA 05NynN\n04/05/05 05NynN 05PhiN\n"},
        // game logs, game numbers of any form, lower-case codes
        {DT::GameLogs,
         gameLog("20050403", "bos al", "NYA AL") + gameLog("20050404", "NYN NL", "PHI NL", "1") +
             gameLog("20050404", "NYN NL", "PHI NL", "\"123\""),
         "04/03/05 05BosA 05NyaA\n04/04/05 05NynN 05PhiN DH\n"},
        // headed game logs
        {DT::GameLogs,
         headed + "\"04/13\",\"BOS\",\"NYA\",\"A\",\"more to be long "
                  "enough\"\n\"04/14(1)\",\"NYN\",\"PHI\",\"N\",\"more to be long enough\"\n",
         "04/14/05 05NynN 05PhiN\n", LO::National, 2005},
        // game data, short lines are no games
        {DT::GameData, gameData("07/31/20", "BOS", "NYA") + gameData("08/01/20", "NYA", "BOS", 120),
         "07/31/20 20Bos 20Nya\n", LO::American},
        // game data, "67" moves the date
        {DT::GameData,
         gameData("04/10/67", "BOS", "NYA", 130, "NYA6704101") +
             gameData("04/11/67", "NYA", "BOS", 130, "NYA682007310"),
         "04/10/67 67Bos 67Nya\n04/11/67 67Nya 67Bos\n"},
    };
    // The same with a UTF-8 byte order mark before the text, as editors on
    // Windows save it.
    for (const std::string mark : {"", "\xef\xbb\xbf"})
        for (const auto& c : cases) {
            SCOPED_TRACE("case " + std::to_string(&c - cases) + (mark.empty() ? "" : ", with a byte order mark"));
            const Loaded r = loadText(mark + c.text, c.type, c.league, kNames, c.year);
            EXPECT_TRUE(r.outcome.done()) << test::textOf(r.outcome);
            EXPECT_EQ(summary(r.rows), c.rows);
            EXPECT_EQ(r.ini, kNames); // no team was missing
        }
}

TEST(SeasonLayouts, UnreadableFilesAreRefusedNamingTheLineAndChangeNoFile)
{
    const std::string good = scheduleLine("20050403", "BOS AL", "NYA AL"),
                      logLine = gameLog("20050403", "BOS AL", "NYA AL");
    const std::string data = gameData("07/31/20", "BOS", "NYA");
    const std::string csvRow = "\"20050403\",\"0\",\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"N\",\"\",\"\"\n";
    const struct {
        DT type;
        std::string text;
        std::size_t line;
        const char* cause;
    } cases[] = {
        {DT::ScheduleData, good + poked(good, 5, '\0') + good, 2, "column 6 holds the control character 0"},
        {DT::GameLogs, logLine + poked(logLine, 0, '\0'), 2, "column 1 holds the control character 0"},
        {DT::GameData, data + poked(data, 4, '\0'), 2, "column 5 holds the control character 0"},
        {DT::ScheduleData, good + poked(good, 11, '\x01'), 2, "column 12 holds the control character 1"},
        {DT::GameData, data + std::string(70000, ','), 2, "the line is longer than 65536 characters"},
        {DT::GameLogs, std::string(3000000, '\0'), 1, "the line is longer than 65536 characters"},
        {DT::ScheduleData, good + good.substr(0, 37), 2, "column 38 is past the end"},
        {DT::ScheduleData, "\"Date\",\"Visitor\",\"Home\",\"League\"\n", 1, "no line after its header line"},
        {DT::GameLogs,
         logLine + "\"20050404\",0,\"Mon\",\"BOS\",\"AL\",12,\"NYA\",\"AL 12 3 2 54 and no closing mark\n", 2,
         "column 73 is past the end"},
        {DT::GameData, data + ",,,,,," + std::string(124, 'z'), 2, "fewer than seven commas"},
        {DT::GameData, test::readFile(test::sampleFile("GL1915.TXT")).substr(0, 2000), 1,
         "the date \"Sat\",\"NE\" is not a date"},
        {DT::GameLogs, "\"20050403\",0,\"Sund\",\"BOS\",\"AL\",12,\"NYA\",\"AL\",12,3,2,54,\"D\",\"\",\"BAL10\"\n", 1,
         "the team code \"\"BOS\" is not"},
        {DT::ScheduleData, good + "\"2005O403" + good.substr(9), 2, "the date \"O4/03/05\""},
        {DT::ScheduleData, good + "\"2005O403" + good.substr(9) + good + poked(good, 5, '\0'), 4,
         "column 6 holds the control character 0"}, // no text, whatever fails before
        {DT::ScheduleData, "Date,Num,Day,Visitor,League,Game,Away,League\n" + csvRow, 1, "no \"Home\" column"},
        {DT::ScheduleData, kCsvHeader + csvRow + "\"20050404\",\"0\",\"Mon\",\"BOS\",\"AL\"\n", 3,
         "the row has 5 fields; the header names 12"},
        {DT::ScheduleData, kCsvHeader + "2005-04-03,0,Sun,BOS,AL,1,NYA,AL,1,N,,\n", 2, "the date \"2005-04-03\""},
        {DT::ScheduleData, "", 0, "No games were read from \"season.txt\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        const Loaded r = loadText(c.text, c.type, LO::AlNl, kNames);
        EXPECT_FALSE(r.outcome.done());
        EXPECT_EQ(r.outcome.line, c.line);
        EXPECT_NE(r.outcome.detail.find(c.line ? "line " + std::to_string(c.line) + ": " : ""), std::string::npos);
        EXPECT_NE(r.outcome.detail.find(c.cause), std::string::npos) << test::textOf(r.outcome);
        EXPECT_EQ(r.state, SessionState::LoadFailed);
        EXPECT_EQ(r.written.kind, Outcome::Kind::Refused);
        EXPECT_EQ(r.sch, "");
        EXPECT_EQ(r.ini, kNames);
        EXPECT_TRUE(r.seasonKept);
    }
}

TEST(SeasonLayouts, GamesAreOrderedByTheirDateTextAndKeepFileOrderWithinADate)
{
    const std::pair<std::vector<std::string>, std::vector<std::uint32_t>> cases[] = {
        {{"10/01/05", "04/05/04", "04/05/05", "04/05/04", "04/03/05"}, {4, 1, 3, 2, 0}},
        {{"04/05/99", "04/05/00", "04/04/99"}, {2, 1, 0}}, // years compare as text
        {{"12/31/05", "01/01/05", "12/30/05", "01/01/05"}, {1, 3, 2, 0}},
        {{}, {}},
    };
    for (const auto& [dates, order] : cases) {
        ParsedSeason season;
        for (const std::string& date : dates)
            date.copy(season.games.emplace_back().date.data(), 8);
        EXPECT_EQ(gamesInDateOrder(season), order) << testing::PrintToString(dates);
    }
}
