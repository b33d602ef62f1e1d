// The Win32 window, driven as a user drives it, with window messages: which
// controls can be used at each step, seasons of each data type written
// through the window byte for byte as expected, the "Rota.ini" panel used
// with the keyboard, the date boxes' mask, the tab order and the names that
// screen readers read.
#include "app/form/form.h"
#include "app/win32/aboutwindow.h"
#include "app/win32/mainwindow.h"
#include "app/win32/text.h"
#include "config/inifile.h"
#include "tests/support/testprompts.h"
#include "tests/support/testsupport.h"

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;
namespace name = rota::form::name;

namespace rota {
namespace {

// MinGW's IID_IAccessible from liboleacc cannot be linked; it is this one.
const GUID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32::toLatin1(text);
}

// A main window over a session whose program folder is a fresh folder.
struct Window {
    Window() : session(home.path()), window(session, prompts, &about, batchOutput)
    {
        window.show(SW_SHOWNOACTIVATE);
    }

    test::TempDir home;
    test::TestPrompts prompts;
    std::ostringstream batchOutput;
    Session session;
    win32::AboutWindow about;
    win32::MainWindow window;

    std::string file(const std::string& name) const { return home.file(name); }
    HWND control(const char* name) const { return window.control(name); }
    bool enabled(const char* name) const { return IsWindowEnabled(control(name)); }
    bool visible(const char* name) const { return IsWindowVisible(control(name)); }

    void click(const char* name) const { SendMessageW(control(name), BM_CLICK, 0, 0); }
    void chooseRadio(const char* group, int item) const { SendMessageW(window.radioItem(group, item), BM_CLICK, 0, 0); }
    void chooseDataType(DataType type) const { chooseRadio(name::dataType, static_cast<int>(type)); }
    void setText(const char* name, const char* text) const
    {
        SetWindowTextW(control(name), win32::fromLatin1(text).c_str());
    }
    void key(const char* name, WPARAM key) const { SendMessageW(control(name), WM_KEYDOWN, key, 0); }
    // Types `text` over what the box holds, as a user would.
    void type(const char* name, const std::string& text) const
    {
        SendMessageW(control(name), EM_SETSEL, 0, -1);
        for (char c : text)
            SendMessageW(control(name), WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    void openSeason(const std::string& path)
    {
        prompts.files.push_back(path);
        click(name::openSeason);
    }
    // The rows of the season list as the list shows them, "date|vis|home|dh".
    std::vector<std::string> rows() const
    {
        HWND list = control(name::seasonList);
        std::vector<std::string> texts;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            std::string text;
            for (int column = 0; column < 4; ++column) {
                wchar_t cell[64] = {};
                ListView_GetItemText(list, row, column, cell, 64);
                text += (column ? "|" : "") + win32::toLatin1(cell);
            }
            texts.push_back(text);
        }
        return texts;
    }
    int clientWidth() const
    {
        RECT client{};
        GetClientRect(window.handle(), &client);
        return MulDiv(client.right, 96, static_cast<int>(window.dpi()));
    }
};

// What the user can use: "Compile Data", "Open Season", "Create .SCH", the
// ".SCH" file name, and whether the league hint shows.
std::string usable(const Window& w)
{
    std::string text;
    for (const char* control : {name::compileData, name::openSeason, name::writeSchedule, name::scheduleName})
        text += w.enabled(control) ? '1' : '0';
    return text + (w.visible(name::leagueHint) ? " hint" : " -");
}

const char* const kGoodSeason = "\"19150414\",\"0\",\"Wed\",\"BOS\",\"AL\",1,\"PHA\",\"AL\",1,\"d\",\"\",\"\"\r\n"
                                "\"19150415\",\"0\",\"Thu\",\"NYA\",\"AL\",1,\"WS1\",\"AL\",1,\"d\",\"\",\"\"\r\n";
const char* const kNamedTeams = "[Schedule Data]\r\nBOS AL=Sox\r\nPHA AL=As\r\nNYA AL=Yanks\r\nWS1 AL=Nats\r\n";

TEST(Win32Window, ControlsFollowTheWork)
{
    Window w;
    test::writeFile(w.file("rota.ini"), kNamedTeams);
    test::writeFile(w.file("good.txt"), kGoodSeason);
    test::writeFile(w.file("bad.txt"), std::string(kGoodSeason) + "\"19150416\",\"0\",\"Fri\",\"BOS\",\"AL\",1\r\n");
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* expected;
    };
    const Step steps[] = {
        {"start in Game Data", [] {}, "1000 -"},
        {"choose Schedule Data", [&] { w.chooseDataType(DataType::ScheduleData); }, "0100 hint"},
        {"open a season", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"choose Game Logs", [&] { w.chooseDataType(DataType::GameLogs); }, "0100 hint"},
        {"choose Schedule Data again", [&] { w.chooseDataType(DataType::ScheduleData); }, "0100 hint"},
        {"open it again", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"open a file that fails", [&] { w.openSeason(w.file("bad.txt")); }, "0100 hint"},
        {"cancel the next dialog", [&] { w.click(name::openSeason); }, "0100 hint"},
        {"open a good season", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"choose Game Data", [&] { w.chooseDataType(DataType::GameData); }, "1000 -"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(usable(w), step.expected) << step.what;
    }
    // The dialog starts in the program folder; the failed load said why,
    // naming the line.
    EXPECT_EQ(w.prompts.offeredFolder, w.home.path());
    ASSERT_EQ(w.prompts.messages.size(), 1u) << w.prompts.allMessages();
    EXPECT_TRUE(w.prompts.messages[0].starts_with("Data Error\nline 3:")) << w.prompts.messages[0];
}

// The names of expected/rota.ini's section `section`, by key.
std::string expectedName(const std::string& section, const std::string& key)
{
    return IniFile::load(test::dataFile("expected/rota.ini")).readString(section, key);
}

TEST(Win32Window, ScheduleDataNamedThroughThePanelIsWrittenAsExpected)
{
    Window w;
    fs::create_directory(w.file("seasons"));
    fs::copy_file(test::sampleFile("1915SKED.TXT"), w.file("seasons/1915SKED.TXT"));
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("seasons/1915SKED.TXT"));

    // The panel opens beside the list with every team still to be named.
    ASSERT_TRUE(w.visible(name::teamTable));
    EXPECT_EQ(w.clientWidth(), form::kPanelClientWidth);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    HWND list = w.control(name::teamTable);
    const int lines = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    ASSERT_GT(lines, 1);
    // Each entry chosen with the arrow keys, named, and set with Enter.
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    for (int line = 1; line < lines; ++line) {
        w.key(name::teamTable, VK_DOWN);
        const std::string label = textOf(w.control(name::teamKey));
        ASSERT_EQ(label.back(), '=') << "line " << line;
        const std::string key = label.substr(0, label.size() - 1);
        w.type(name::teamName, expectedName("Schedule Data", key));
        w.key(name::teamName, VK_RETURN);
    }
    w.click(name::saveTeamTable);
    EXPECT_FALSE(w.visible(name::teamTable));
    EXPECT_EQ(w.clientWidth(), form::kClientWidth);

    w.setText(name::scheduleName, "sked15");
    w.click(name::writeSchedule);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    EXPECT_EQ(test::readFile(w.file("seasons/sked15.sch")), test::readFile(test::dataFile("expected/1915SKED-ALNL.sch")));
    EXPECT_EQ(textOf(w.window.handle()), form::kApplicationTitle);
}

TEST(Win32Window, GameLogsOfEachLeagueOptionAreWrittenAsExpected)
{
    const struct {
        LeagueOption league;
        const char* expected;
    } cases[] = {
        {LeagueOption::American, "GL1915-A.sch"},
        {LeagueOption::National, "GL1915-N.sch"},
        {LeagueOption::Federal, "GL1915-F.sch"},
        {LeagueOption::AlNl, "GL1915-ALNL.sch"},
    };
    Window w;
    fs::copy_file(test::dataFile("expected/rota.ini"), w.file("rota.ini"));
    fs::copy_file(test::sampleFile("GL1915.TXT"), w.file("GL1915.TXT"));
    w.chooseDataType(DataType::GameLogs);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        w.chooseRadio(name::league, static_cast<int>(c.league));
        w.openSeason(w.file("GL1915.TXT"));
        EXPECT_FALSE(w.visible(name::teamTable));
        w.setText(name::scheduleName, "gl1915");
        w.click(name::writeSchedule);
        EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
        EXPECT_EQ(test::readFile(w.file("gl1915.sch")), test::readFile(test::dataFile(std::string("expected/") + c.expected)));
    }
}

TEST(Win32Window, GameDataIsCompiledThroughTheCommandInterpreterThenWritten)
{
    Window w;
    fs::create_directory(w.file("data"));
    for (const char* sample : {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"})
        fs::copy_file(test::sampleFile(sample), w.file(std::string("data/") + sample));
    fs::copy_file(test::bgamePath(), w.file("bgame.exe"));
    fs::copy_file(test::dataFile("expected/rota.ini"), w.file("rota.ini"));

    w.setText(name::year, "2020");
    w.setText(name::dataFileName, "season");
    w.click(name::compileData);
    ASSERT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages() << w.batchOutput.str();
    EXPECT_TRUE(w.enabled(name::openSeason) && !w.enabled(name::compileData));

    w.openSeason(w.file("season.txt"));
    EXPECT_EQ(w.rows().size(), 59u);
    w.setText(name::scheduleName, "nyc2020");
    w.click(name::writeSchedule);
    EXPECT_TRUE(w.prompts.messages.empty()) << w.prompts.allMessages();
    EXPECT_EQ(test::readFile(w.file("nyc2020.sch")), test::readFile(test::dataFile("expected/gamedata2020.sch")));
}

TEST(Win32Window, AFileOfAnotherKindIsRefusedAndNothingIsWritten)
{
    Window w;
    test::writeFile(w.file("rota.ini"), kNamedTeams);
    fs::copy_file(test::sampleFile("1915schedule.csv"), w.file("1915schedule.csv"));
    w.chooseDataType(DataType::GameLogs);
    w.openSeason(w.file("1915schedule.csv"));

    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_TRUE(w.prompts.messages[0].starts_with("Data Error\nline 1: ")) << w.prompts.messages[0];
    EXPECT_EQ(test::readFile(w.file("rota.ini")), kNamedTeams);
    EXPECT_FALSE(w.enabled(name::writeSchedule));
    w.setText(name::scheduleName, "sked15");
    w.click(name::writeSchedule);
    EXPECT_FALSE(fs::exists(w.file("sked15.sch")));
}

TEST(Win32Window, CrowdedDatesAreMovedWhenTheUserAgrees)
{
    Window w;
    test::writeFile(w.file("rota.ini"), test::crowdedSeasonNames());
    test::writeFile(w.file("crowded.txt"), test::crowdedSeason());
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("crowded.txt"));
    w.setText(name::scheduleName, "crowded");

    w.prompts.answers = {true};
    w.click(name::writeSchedule);
    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_NE(w.prompts.messages[0].find("07/08/00: 16 games"), std::string::npos) << w.prompts.messages[0];
    EXPECT_EQ(w.rows()[17], "07/09/00|00N31|00N32|");
    HWND list = w.control(name::seasonList);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 17);
    EXPECT_FALSE(fs::exists(w.file("crowded.sch")));
    w.click(name::writeSchedule);
    EXPECT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(w.file("crowded.sch")));
}

TEST(Win32Window, AGameDateEditedInTheListMovesTheGameToItsPlace)
{
    Window w;
    test::writeFile(w.file("rota.ini"), kNamedTeams);
    test::writeFile(w.file("good.txt"), kGoodSeason);
    w.chooseDataType(DataType::ScheduleData);
    w.openSeason(w.file("good.txt"));
    HWND list = w.control(name::seasonList);
    SetFocus(list);
    HWND edit = ListView_EditLabel(list, 0);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"04/16/15");
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(w.rows(), (std::vector<std::string>{"04/15/15|15Yanks|15Nats|", "04/16/15|15Sox|15As|"}));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
}

TEST(Win32Window, DateBoxesKeepTheirMaskAsTheUserTypes)
{
    Window w;
    const struct {
        const char* what;
        std::function<void()> act;
        const char* shown;
    } steps[] = {
        {"type over all", [&] { w.type(name::startDate, "0715"); }, "07/15"},
        {"backspace", [&] { SendMessageW(w.control(name::startDate), WM_CHAR, VK_BACK, 0); }, "07/1_"},
        {"letters type nothing", [&] { SendMessageW(w.control(name::startDate), WM_CHAR, 'x', 0); }, "07/1_"},
        {"a text set from outside keeps the digits in their places", [&] { w.setText(name::startDate, "5/x9"); },
         "5_/9_"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(textOf(w.control(name::startDate)), step.shown) << step.what;
    }
    // The box's blanks reach Compile Data as blanks, which it refuses.
    w.setText(name::dataFileName, "season");
    w.click(name::compileData);
    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_TRUE(w.prompts.messages[0].starts_with("You need to enter a valid start date")) << w.prompts.messages[0];
}

TEST(Win32Window, TabFollowsTheFormAndEditBoxesAreNamedByTheirCaptions)
{
    Window w;
    // Every focusable control in form order, as far as it is enabled; Tab
    // stops at the checked button of a radio group.
    std::vector<HWND> expected;
    for (const form::Control& c : form::mainWindowControls()) {
        HWND control = w.control(c.name);
        for (int item = 0; item < static_cast<int>(c.items.size()); ++item)
            if (SendMessageW(w.window.radioItem(c.name, item), BM_GETCHECK, 0, 0) == BST_CHECKED)
                control = w.window.radioItem(c.name, item);
        if ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(control) && IsWindowVisible(control))
            expected.push_back(control);
    }
    ASSERT_GT(expected.size(), 3u);
    for (std::size_t i = 0; i + 1 < expected.size(); ++i)
        EXPECT_EQ(GetNextDlgTabItem(w.window.handle(), expected[i], FALSE), expected[i + 1])
            << textOf(expected[i]) << " is followed by " << textOf(GetNextDlgTabItem(w.window.handle(), expected[i], FALSE));

    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    for (const form::Control& c : form::mainWindowControls()) {
        if (!c.names || c.teamPanel)
            continue;
        const form::Control* named = form::findControl(form::mainWindowControls(), c.names);
        if (named->kind != form::ControlKind::Edit && named->kind != form::ControlKind::DateEdit &&
            named->kind != form::ControlKind::SpinBox)
            continue;
        IAccessible* accessible = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(w.control(c.names), static_cast<DWORD>(OBJID_CLIENT),
                                             kAccessibleInterface, reinterpret_cast<void**>(&accessible)),
                  S_OK);
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR accessibleName = nullptr;
        accessible->get_accName(self, &accessibleName);
        EXPECT_EQ(win32::toLatin1(accessibleName ? accessibleName : L""), std::string(c.text)) << c.names;
        SysFreeString(accessibleName);
        accessible->Release();
    }
    CoUninitialize();
}

TEST(Win32Window, EscapeClosesTheAboutWindow)
{
    Window w;
    // Escape waits in the queue for the About window's own loop.
    PostMessageW(w.about.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    w.click(name::about);
    EXPECT_FALSE(IsWindowVisible(w.about.handle()));
    EXPECT_TRUE(IsWindowEnabled(w.window.handle()));
}

} // namespace
} // namespace rota
