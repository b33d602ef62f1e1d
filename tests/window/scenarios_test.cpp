// The main window used as a user uses it, in either toolkit: which controls
// can be used at each step, seasons of each data type written byte for byte
// as expected, the "Rota.ini" panel used with the keyboard, the offer for
// crowded dates, a date edited in the list, the date boxes' mask, and the
// names screen readers read.
#include "tests/window/driver.h"

#include "platform/environment.h"
#include "config/inifile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
namespace name = rota::form::name;

namespace rota::test {
namespace {

const std::string kGoodSeason = scheduleLine("19150414", "BOS", "PHA") + scheduleLine("19150415", "NYA", "WS1");
const char* const kNamedTeams = "[Schedule Data]\r\nBOS AL=Sox\r\nPHA AL=As\r\nNYA AL=Yanks\r\nWS1 AL=Nats\r\n";

// What the user can use: "Compile Data", the year (as the other game data
// settings), "Open Season", "Create .SCH", the ".SCH" file name, and whether
// the league hint shows.
std::string usable(const WindowFixture& w)
{
    std::string text;
    for (const char* control :
         {name::compileData, name::year, name::openSeason, name::writeSchedule, name::scheduleName})
        text += w.window->enabled(control) ? '1' : '0';
    return text + (w.window->visible(name::leagueHint) ? " hint" : " -");
}

// The name expected/rota.ini gives the team `key` of [Schedule Data].
std::string expectedName(const std::string& key)
{
    return IniFile::load(dataFile("expected/rota.ini")).readString("Schedule Data", key);
}

TEST(Window, ControlsFollowTheWork)
{
    WindowFixture w;
    writeFile(w.file("rota.ini"), kNamedTeams);
    writeFile(w.file("good.txt"), kGoodSeason);
    writeFile(w.file("bad.txt"), kGoodSeason + "\"19150416\",\"0\",\"Fri\",\"BOS\",\"AL\",1\r\n");
    const struct {
        const char* what;
        std::function<void()> act;
        const char* expected;
    } steps[] = {
        {"start in Game Data", [] {}, "11000 -"},
        {"choose Schedule Data", [&] { w.chooseDataType(DataType::ScheduleData); }, "00100 hint"},
        {"open a season", [&] { w.openSeason(w.file("good.txt")); }, "00111 -"},
        {"choose Game Logs", [&] { w.chooseDataType(DataType::GameLogs); }, "00100 hint"},
        {"choose Schedule Data again", [&] { w.chooseDataType(DataType::ScheduleData); }, "00100 hint"},
        {"open it again", [&] { w.openSeason(w.file("good.txt")); }, "00111 -"},
        {"open a file that fails", [&] { w.openSeason(w.file("bad.txt")); }, "00100 hint"},
        {"cancel the next dialog", [&] { w.window->click(name::openSeason); }, "00100 hint"},
        {"open a good season", [&] { w.openSeason(w.file("good.txt")); }, "00111 -"},
        {"choose Game Data", [&] { w.chooseDataType(DataType::GameData); }, "11000 -"},
        {"\"Select Year\" opens a season in any mode",
         [&] {
             w.prompts.files.push_back(w.file("good.txt"));
             w.window->click(name::selectYear);
         },
         "11100 hint"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(usable(w), step.expected) << step.what;
    }
    // The dialog starts in the program folder; the failed load said why,
    // naming the line; the label's season is no Game Data.
    EXPECT_EQ(w.prompts.offeredFolder, w.home.path());
    ASSERT_EQ(w.prompts.messages.size(), 2u) << w.prompts.allMessages();
    EXPECT_TRUE(w.prompts.messages[0].starts_with("Data Error\nline 3:")) << w.prompts.messages[0];
}

TEST(Window, AScheduleNamedThroughThePanelWithTheKeyboardIsWrittenBesideItsFile)
{
    WindowFixture w;
    fs::create_directory(w.file("seasons"));
    fs::copy_file(sampleFile("1915SKED.TXT"), w.file("seasons/1915SKED.TXT"));
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("seasons/1915SKED.TXT"));

    // The panel opens beside the list with every team still to be named.
    ASSERT_TRUE(w.window->visible(name::teamTable));
    EXPECT_EQ(w.window->clientWidth(), form::kPanelClientWidth);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    const int lines = static_cast<int>(w.window->teamLines().size());
    ASSERT_EQ(lines, 17); // the header and 16 teams
    // Each entry chosen with the arrow keys, named, and set with Enter.
    for (int line = 1; line < lines; ++line) {
        w.window->moveToTeamLine(line);
        const std::string label = w.window->text(name::teamKey);
        ASSERT_EQ(label.back(), '=') << "line " << line;
        w.window->type(name::teamName, expectedName(label.substr(0, label.size() - 1)));
        w.window->press(name::teamName, Key::Return);
    }
    w.window->click(name::saveTeamTable);
    EXPECT_FALSE(w.window->visible(name::teamTable));
    EXPECT_EQ(w.window->clientWidth(), form::kClientWidth);

    w.window->setText(name::scheduleName, "sked15");
    w.window->click(name::writeSchedule);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    EXPECT_EQ(readFile(w.file("seasons/sked15.sch")), readFile(dataFile("expected/1915SKED-ALNL.sch")));
    EXPECT_EQ(w.window->title(), form::kApplicationTitle);
    EXPECT_TRUE(w.window->enabled(name::writeSchedule));
}

TEST(Window, GameLogsOfEachLeagueOptionAreWrittenAsExpected)
{
    WindowFixture w;
    fs::copy_file(dataFile("expected/rota.ini"), w.file("rota.ini"));
    fs::copy_file(sampleFile("GL1915.TXT"), w.file("GL1915.TXT"));
    w.chooseDataType(DataType::GameLogs);
    const char* const suffix[] = {"A", "N", "F", "ALNL"}; // in the order of LeagueOption
    for (int league = 0; league < 4; ++league) {
        SCOPED_TRACE(suffix[league]);
        w.window->chooseItem(name::league, league);
        w.openSeason(w.file("GL1915.TXT"));
        EXPECT_FALSE(w.window->visible(name::teamTable));
        w.window->setText(name::scheduleName, "gl1915");
        w.window->click(name::writeSchedule);
        EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
        EXPECT_EQ(readFile(w.file("gl1915.sch")),
                  readFile(dataFile(std::string("expected/GL1915-") + suffix[league] + ".sch")));
    }
}

TEST(Window, GameDataIsCompiledThenWritten)
{
    WindowFixture w;
    fs::create_directory(w.file("data"));
    copyEventFiles(w.file("data"));
    fs::copy_file(bgamePath(), w.file(boxScoreToolName()));
    fs::copy_file(dataFile("expected/rota.ini"), w.file("rota.ini"));
    writeFile(w.file("season.txt"), "an earlier season\r\n");

    w.window->setText(name::year, "2020");
    w.window->setText(name::dataFileName, "season");
    w.window->click(name::compileData);
    ASSERT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages() << w.batchOutput.str();
    EXPECT_EQ(usable(w), "01100 -");

    w.openSeason(w.file("season.txt"));
    EXPECT_EQ(w.window->rows().size(), 59u); // every game of both teams' event files
    EXPECT_EQ(usable(w), "11111 -");
    w.window->setText(name::scheduleName, "nyc2020");
    w.window->click(name::writeSchedule);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    EXPECT_EQ(readFile(w.file("nyc2020.sch")), readFile(dataFile("expected/gamedata2020.sch")));
}

// A game-log season of BOS and NYA, opened with `ini` as rota.ini.
struct OpenedWithPanel : WindowFixture {
    explicit OpenedWithPanel(const std::string& ini)
    {
        writeFile(file("rota.ini"), ini);
        writeFile(file("season.txt"),
                  "\"20050403\",0,\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,3,2,54,\"D\",\"\",\"\"\r\n"
                  "\"20050404\",0,\"Mon\",\"NYA\",\"AL\",1,\"BOS\",\"AL\",1,3,2,54,\"D\",\"\",\"\"\r\n");
        chooseDataType(DataType::GameLogs);
        openSeason(file("season.txt"));
    }
    void setName(int line, const std::string& name)
    {
        window->moveToTeamLine(line);
        window->type(form::name::teamName, name);
        window->click(form::name::setTeamName);
    }
};

TEST(Window, ThePanelEditsTheEntryChosenAndSavesByKeyIntoTheFileAsItIsNow)
{
    OpenedWithPanel w("");
    EXPECT_EQ(w.window->teamLines(), (std::vector<std::string>{"[Schedule Data]", "BOS AL=", "NYA AL="}));
    w.window->moveToTeamLine(2);
    EXPECT_EQ(w.window->text(name::teamKey), "NYA AL=");
    w.setName(1, "Sox");
    EXPECT_EQ(w.window->teamLines()[1], "BOS AL=Sox");
    // A header line is no entry: the label and box keep the last one.
    w.window->moveToTeamLine(0);
    EXPECT_EQ(w.window->text(name::teamKey), "BOS AL=");

    w.setName(2, "Yanks");
    // Another program adds an entry while the panel is open.
    writeFile(w.file("rota.ini"), readFile(w.file("rota.ini")) + "DET AL=Tigers\r\n");
    w.window->click(name::saveTeamTable);
    EXPECT_EQ(readFile(w.file("rota.ini")), "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=Yanks\r\nDET AL=Tigers\r\n");
    EXPECT_EQ(w.window->rows(), (std::vector<std::string>{"04/03/05|05Sox|05Yanks|", "04/04/05|05Yanks|05Sox|"}));
    EXPECT_TRUE(w.window->enabled(name::writeSchedule));
}

TEST(Window, ThePanelNeverCutsAStoredNameAndCancelKeepsTheFile)
{
    const std::string ini = "[Schedule Data]\r\nBOS AL=Boston=1\r\nNYA AL=\r\n";
    {
        OpenedWithPanel w(ini);
        w.window->moveToTeamLine(1);
        EXPECT_EQ(w.window->text(name::teamName), "Boston=1");
        w.window->click(name::setTeamName); // "Set" without typing
        w.window->click(name::saveTeamTable);
        EXPECT_EQ(readFile(w.file("rota.ini")), ini);
    }
    OpenedWithPanel w("");
    w.setName(1, "Sox");
    w.window->click(name::cancelTeamTable);
    EXPECT_EQ(readFile(w.file("rota.ini")), "[Schedule Data]\r\nBOS AL=\r\nNYA AL=\r\n");
    // Hidden, so that Tab does not stop on them while they are out of sight.
    for (const char* panelControl :
         {name::teamTable, name::teamName, name::setTeamName, name::saveTeamTable, name::cancelTeamTable})
        EXPECT_FALSE(w.window->visible(panelControl)) << panelControl;
}

TEST(Window, CrowdedDatesAreMovedWhenTheUserAgrees)
{
    WindowFixture w;
    writeFile(w.file("rota.ini"), crowdedSeasonNames());
    writeFile(w.file("crowded.txt"), crowdedSeason());
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("crowded.txt"));
    w.window->setText(name::scheduleName, "crowded");

    // No: nothing moves, nothing is written.
    w.window->click(name::writeSchedule);
    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_NE(w.prompts.messages[0].find("07/08/00: 16 games"), std::string::npos) << w.prompts.messages[0];
    EXPECT_EQ(w.window->rows()[16], "07/08/00|00N31|00N32|");
    EXPECT_FALSE(fs::exists(w.file("crowded.sch")));

    // Yes: the last game of the date goes to the next day and is selected;
    // the next Create .SCH writes the season.
    w.prompts.answers = {true};
    w.window->click(name::writeSchedule);
    EXPECT_EQ(w.window->rows()[17], "07/09/00|00N31|00N32|");
    EXPECT_EQ(w.window->selectedRows(), std::vector<int>{17});
    EXPECT_FALSE(fs::exists(w.file("crowded.sch")));
    w.window->click(name::writeSchedule);
    EXPECT_EQ(w.prompts.messages.size(), 2u);
    EXPECT_TRUE(fs::exists(w.file("crowded.sch")));
}

TEST(Window, AGameDateEditedInTheListMovesTheGameToItsPlace)
{
    WindowFixture w;
    writeFile(w.file("rota.ini"), kNamedTeams);
    writeFile(w.file("good.txt"), kGoodSeason);
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("good.txt"));
    w.window->editDate(0, "04/16/15");
    EXPECT_EQ(w.window->rows(), (std::vector<std::string>{"04/15/15|15Yanks|15Nats|", "04/16/15|15Sox|15As|"}));
}

TEST(Window, DateBoxesKeepTheirMaskAsTheUserTypes)
{
    WindowFixture w;
    w.window->type(name::startDate, "0715"); // over all of it
    EXPECT_EQ(w.window->text(name::startDate), "07/15");
    w.window->press(name::startDate, Key::Backspace);
    EXPECT_EQ(w.window->text(name::startDate), "07/1_");
    // The box's blanks reach Compile Data as blanks, which it refuses.
    w.window->setText(name::dataFileName, "season");
    w.window->click(name::compileData);
    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_TRUE(w.prompts.messages[0].starts_with("You need to enter a valid start date")) << w.prompts.messages[0];
}

TEST(Window, ScreenReadersNameEachBoxByItsCaption)
{
    WindowFixture w;
    for (const form::Control& c : form::mainWindowControls()) {
        if (!c.names || c.teamPanel)
            continue;
        const form::ControlKind kind = form::findControl(form::mainWindowControls(), c.names)->kind;
        if (kind == form::ControlKind::Edit || kind == form::ControlKind::DateEdit ||
            kind == form::ControlKind::SpinBox) {
            EXPECT_EQ(w.window->accessibleName(c.names), c.text) << c.names;
        }
    }
}

} // namespace
} // namespace rota::test
