#include "app/form/form.h"

#include "version.h"

namespace rota::form {

namespace {

using K = ControlKind;

// The data types in the order of DataType.
const std::vector<std::string_view> kDataTypeItems = {"Game Data", "Game Logs", "Schedule Data"};

// Creation order is tab order: "Open Season" first, the data types last.
// Controls that take no focus (labels, the "?" button, the bar) follow.
const std::vector<Control> kMainWindowControls = {
    {name::openSeason, K::Button, "Open Season", {232, 232, 75, 25}, "Open complied file for schedule creation"},
    {name::writeSchedule, K::Button, "Create .SCH", {232, 280, 75, 25}, "Create PVX schedule file"},
    {name::scheduleNameCaption, K::Label, ".SCH File Name", {16, 288}, {}, 0, false, name::scheduleName},
    {name::scheduleName, K::Edit, "", {96, 280, 81, 21}, {}, 8},
    {name::seasonCaption, K::Label, "Schedule Data", {16, 320}, {}, 0, false, name::seasonList},
    {name::seasonList, K::GameList, "", {16, 336, 297, 97}},
    {name::compileData, K::Button, "Compile Data", {232, 156, 75, 25}, "Prepare data for schedule creating"},
    {name::selectYear, K::ClickLabel, "Select Year", {16, 101}, {}, 0, false, name::year},
    {name::year, K::SpinBox, "", {79, 93, 48, 22}},
    {name::dataFileNameCaption, K::Label, "Data File Name", {144, 104}, {}, 0, false, name::dataFileName},
    {name::dataFileName, K::Edit, "", {224, 96, 81, 21}, {}, 8},
    {name::league, K::RadioGroup, "League", {16, 200, 145, 57}, {}, 0, false, nullptr, {"A", "N", "F", "AL/NL"}},
    {name::startDateCaption, K::Label, "Start Date", {16, 132}, {}, 0, false, name::startDate},
    {name::startDate, K::DateEdit, "04/01", {79, 132, 81, 21}, {}, 5},
    {name::endDateCaption, K::Label, "End Date", {16, 160}, {}, 0, false, name::endDate},
    {name::endDate, K::DateEdit, "10/30", {79, 160, 81, 21}, {}, 5},
    {name::teamTableCaption, K::Label, "Rota.ini", {352, 8}, {}, 0, true, name::teamTable},
    {name::teamTable, K::LineList, "", {352, 24, 201, 385}, {}, 0, true},
    {name::teamKey, K::FixedLabel, "", {352, 420, 48, 13}, {}, 0, true, name::teamName},
    {name::teamName, K::Edit, "", {405, 416, 81, 21}, {}, kTeamNameLength, true},
    {name::setTeamName, K::Button, "Set", {496, 416, 59, 21}, {}, 0, true},
    {name::saveTeamTable, K::Button, "OK", {352, 448, 97, 25}, {}, 0, true},
    {name::cancelTeamTable, K::Button, "Cancel", {456, 448, 97, 25}, {}, 0, true},
    {name::dataType, K::RadioGroup, "Retrosheet Data Type", {8, 8, 273, 57}, {}, 0, false, nullptr, kDataTypeItems},
    {name::about, K::ToolButton, "?", {289, 16, 25, 25}, "About this program..."},
    {name::gameDataCaption, K::Label, "Game Data Information", {16, 75}},
    {name::leagueHint, K::FixedLabel, "Select a league option before Opening a Season", {184, 200, 121, 26}},
    {name::progressCaption, K::Label, "Setup Progress", {16, 440}, {}, 0, false, name::progressBar},
    {name::progressBar, K::ProgressBar, "", {16, 456, 297, 16}},
};

const FrameLine kMainWindowFrameLines[] = {
    {{8, 80, 305, 2}},   {{8, 81, 2, 185}}, {{312, 81, 2, 185}}, {{8, 264, 305, 2}}, {{173, 192, 140, 2}},
    {{173, 192, 2, 73}}, {{8, 264, 2, 48}}, {{312, 264, 2, 50}}, {{8, 312, 305, 2}},
};

const Column kSeasonListColumns[] = {{"Date", 70}, {"Vis", 75}, {"Home", 75}, {"DH", 50}};

const AboutText kAboutTexts[] = {
    {name::aboutTitle, "PVX Rota Schedule", {88, 16, 181, 23}, 19, true},
    {name::aboutVersion, "Version " ROTA_VERSION_SHORT, {144, 40, 71, 14}, 11},
    {name::aboutBuildDate, "Build Date:  September 14, 2005", {94, 56, 170, 14}, 11},
    {name::aboutCopyright, "\xA9 2005-2026 the Rota team", {76, 80, 201, 14}, 11},
};

const std::string_view kCreditLines[] = {
    "Rota Schedule belongs to the Rota tools,",
    "a family of utilities for the PVX game.",
    "Rota tools \xA9 2005-2026 the Rota team.",
    "PVX baseball \xA9 its makers.",
    " ",
    "The information used here was obtained",
    "free of charge from and is copyrighted by",
    "Retrosheet. Interested parties may contact",
    "Retrosheet at \"www.retrosheet.org\".",
    "Some data are copyrighted by the sports",
    "data company named in their own notice.",
    "",
    "",
    "Thanks to our testers for their help",
    "in debugging this program.",
    "Thanks to the makers of PVX for a",
    "great baseball simulation game.",
};

} // namespace

std::span<const Control> mainWindowControls()
{
    return kMainWindowControls;
}

std::span<const FrameLine> mainWindowFrameLines()
{
    return kMainWindowFrameLines;
}

const Control* findControl(std::span<const Control> controls, std::string_view name)
{
    for (const Control& control : controls)
        if (name == control.name)
            return &control;
    return nullptr;
}

std::span<const Column> seasonListColumns()
{
    return kSeasonListColumns;
}

std::span<const AboutText> aboutTexts()
{
    return kAboutTexts;
}

std::span<const std::string_view> creditLines()
{
    return kCreditLines;
}

std::string writingTitle(const std::string& name, int percent)
{
    return "Creating " + name + ".sch - " + std::to_string(percent) + "% Complete";
}

} // namespace rota::form
