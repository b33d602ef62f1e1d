// The windows' form, described once for every toolkit: each control with its
// component name, kind, caption, place and size. A window creates the
// controls in the order listed, which is also their keyboard tab order, and
// every caption stands just before the control it names, so that screen
// readers take the caption as the control's name.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rota::form {

// The component names by which windows, tests and accessibility tools find
// the controls.
namespace name {
inline constexpr char mainWindow[] = "Form1";
inline constexpr char dataType[] = "RadioGroup2";
inline constexpr char about[] = "SpeedButton1";
inline constexpr char gameDataCaption[] = "Label10";
inline constexpr char selectYear[] = "Label5";
inline constexpr char year[] = "CSpinEdit1";
inline constexpr char dataFileNameCaption[] = "Label4";
inline constexpr char dataFileName[] = "Edit2";
inline constexpr char startDateCaption[] = "Label6";
inline constexpr char startDate[] = "MaskEdit1";
inline constexpr char endDateCaption[] = "Label7";
inline constexpr char endDate[] = "MaskEdit2";
inline constexpr char compileData[] = "Button3";
inline constexpr char league[] = "RadioGroup1";
inline constexpr char leagueHint[] = "Label11";
inline constexpr char openSeason[] = "Button1";
inline constexpr char scheduleNameCaption[] = "Label2";
inline constexpr char scheduleName[] = "Edit1";
inline constexpr char writeSchedule[] = "Button2";
inline constexpr char seasonCaption[] = "Label1";
inline constexpr char seasonList[] = "ListView1";
inline constexpr char progressCaption[] = "Label3";
inline constexpr char progressBar[] = "ProgressBar1";
inline constexpr char teamTableCaption[] = "Label8";
inline constexpr char teamTable[] = "ListBox3";
inline constexpr char teamKey[] = "Label9";
inline constexpr char teamName[] = "Edit3";
inline constexpr char setTeamName[] = "Button4";
inline constexpr char saveTeamTable[] = "Button5";
inline constexpr char cancelTeamTable[] = "Button6";

inline constexpr char aboutWindow[] = "Form2";
inline constexpr char aboutIcon[] = "Image1";
inline constexpr char aboutTitle[] = "Label1";
inline constexpr char aboutVersion[] = "Label2";
inline constexpr char aboutBuildDate[] = "Label5";
inline constexpr char aboutCopyright[] = "Label3";
inline constexpr char aboutCredits[] = "Memo1";
} // namespace name

enum class ControlKind {
    RadioGroup,  // a captioned group of radio buttons in two columns
    ToolButton,  // a flat button that takes no keyboard focus
    Label,       // a caption of natural size
    ClickLabel,  // a caption that runs a command when clicked
    FixedLabel,  // a caption of fixed size (word-wrapped when it has room)
    SpinBox,     // a whole number with up and down arrows
    Edit,        // one line of text
    DateEdit,    // "MM/DD": two digits, the fixed slash, two digits
    Button,      // a push button
    GameList,    // the season's games in four columns; dates editable
    LineList,    // a list of text lines, one chosen at a time
    ProgressBar, // a smooth bar
    Picture,     // the program's icon
    CreditsText, // read-only text with a vertical scroll bar
};

struct Place {
    int left = 0, top = 0;
    int width = 0, height = 0; // 0 for the control's natural size
};

struct Control {
    const char* name;
    ControlKind kind;
    std::string_view text; // caption or initial text
    Place place;
    std::string_view hint = {};               // tool tip
    int maxLength = 0;                        // characters an edit takes; 0 for no limit
    bool teamPanel = false;                   // part of the "Rota.ini" panel, hidden until it opens
    const char* names = nullptr;              // for a caption: the control it names
    std::vector<std::string_view> items = {}; // radio items
};

// A frame line: a single edge (thin) or a sunken two-pixel bar.
struct FrameLine {
    Place place;
};

// The main window.
inline constexpr char kApplicationTitle[] = "PVX Rota Schedule";
inline constexpr int kClientWidth = 326;
inline constexpr int kPanelClientWidth = 568; // while the "Rota.ini" panel is open
inline constexpr int kClientHeight = 481;
inline constexpr int kPanelShift = 121; // the window moves left by this when the panel opens
inline constexpr int kProgressRange = 10000;
inline constexpr int kTeamNameLength = 6;
inline constexpr int kFirstYear = 1870;
inline constexpr int kDefaultYear = 1900;
inline constexpr int kFontPixels = 11; // "MS Sans Serif", or the nearest face

// Every control of the main window in creation and tab order.
std::span<const Control> mainWindowControls();
std::span<const FrameLine> mainWindowFrameLines();

// The control of that name (nullptr for none).
const Control* findControl(std::span<const Control> controls, std::string_view name);

// The season list's columns: caption and width.
struct Column {
    std::string_view caption;
    int width;
};
std::span<const Column> seasonListColumns();

// The "?" button's caption font: "Arial" bold, 19 pixels high.
inline constexpr int kAboutButtonFontPixels = 19;

// The About window: every text in "Arial" bold; the title also italic.
inline constexpr char kAboutWindowTitle[] = "About Rota Schedule";
inline constexpr int kAboutClientWidth = 312;
inline constexpr int kAboutClientHeight = 254;
struct AboutText {
    const char* name;
    std::string_view text; // Latin-1
    Place place;
    int fontPixels;
    bool italic = false;
};
std::span<const AboutText> aboutTexts();
inline constexpr Place kAboutIconPlace{16, 16, 32, 32};
inline constexpr Place kAboutCreditsPlace{8, 104, 297, 145};
// The credits, a line each (Latin-1).
std::span<const std::string_view> creditLines();

// The window title while a ".sch" file is written: "Creating NAME.sch - 40% Complete".
std::string writingTitle(const std::string& name, int percent);

} // namespace rota::form
