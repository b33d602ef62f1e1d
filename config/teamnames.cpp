#include "config/teamnames.h"

#include "common/ascii.h"
#include "config/inifile.h"

#include <unordered_map>

namespace rota {

std::string configSection(DataType dataType)
{
    return dataType == DataType::GameData ? kGameDataSection : kScheduleDataSection;
}

std::string teamKey(DataType dataType, std::string_view code, std::string_view league)
{
    std::string key(code);
    if (dataType != DataType::GameData) {
        key += ' ';
        key += league;
    }
    return upperCase(std::move(key));
}

namespace {

TeamNames namesIn(IniFile& file, const std::string& section, const std::vector<std::string>& keys, bool addMissing)
{
    TeamNames result;
    result.names.reserve(keys.size());
    std::unordered_map<std::string, std::string> known; // keys are looked up once each
    for (const std::string& key : keys) {
        auto [at, added] = known.try_emplace(key);
        if (added) {
            at->second = file.readString(section, key);
            if (at->second.empty()) {
                result.missingKeys.push_back(key);
                if (addMissing)
                    file.writeString(section, key, "");
            }
        }
        result.names.push_back(at->second);
    }
    return result;
}

} // namespace

TeamNames lookUpTeamNames(const std::string& configPath, const std::string& section,
                          const std::vector<std::string>& keys, bool addMissing)
{
    if (!addMissing) {
        IniFile file = readIniFile(configPath);
        return namesIn(file, section, keys, false);
    }
    TeamNames result;
    updateIniFile(configPath, [&](IniFile& file) { result = namesIn(file, section, keys, true); });
    return result;
}

} // namespace rota
