#include "config/teamlookup.h"

namespace rota {

std::string upperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string sectionFor(int dataType)
{
    switch (dataType) {
    case GameData:
        return kGameDataSection;
    case GameLogs:
    case ScheduleData:
        return kScheduleDataSection;
    default:
        return {};
    }
}

std::string teamKey(int dataType, const std::string& code, const std::string& league)
{
    if (dataType == GameLogs || dataType == ScheduleData)
        return upperCase(code) + " " + upperCase(league);
    return upperCase(code);
}

void TeamNameLookup::lookup(int dataType, LineState& state)
{
    const std::string section = sectionFor(dataType);
    const std::string visitorKey = teamKey(dataType, state.visitorCode, state.visitorLeague);
    const std::string homeKey = teamKey(dataType, state.homeCode, state.homeLeague);

    state.visText = state.seasonYear;
    state.homeText = state.seasonYear;

    IniFile& ini = store_.open();
    const std::string visitorName = ini.readString(section, visitorKey);
    if (visitorName.empty()) {
        ini.writeString(section, visitorKey, "");
        ++state.missingTeamCount;
    }
    const std::string homeName = ini.readString(section, homeKey);
    if (homeName.empty()) {
        ini.writeString(section, homeKey, "");
        ++state.missingTeamCount;
    }
    state.visText += visitorName;
    state.homeText += homeName;
    store_.flush();
}

} // namespace rota
