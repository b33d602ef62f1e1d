#include "common/vocabulary.h"

#include "common/ascii.h"

namespace rota {

std::optional<LeagueOption> leagueOptionNamed(std::string_view name)
{
    if (equalsIgnoringCase(name, "A"))
        return LeagueOption::American;
    if (equalsIgnoringCase(name, "N"))
        return LeagueOption::National;
    if (equalsIgnoringCase(name, "F"))
        return LeagueOption::Federal;
    if (equalsIgnoringCase(name, "ALNL") || equalsIgnoringCase(name, "AL/NL"))
        return LeagueOption::AlNl;
    return std::nullopt;
}

std::optional<DataType> dataTypeNamed(std::string_view name)
{
    if (equalsIgnoringCase(name, "gamedata"))
        return DataType::GameData;
    if (equalsIgnoringCase(name, "gamelogs"))
        return DataType::GameLogs;
    if (equalsIgnoringCase(name, "schedule"))
        return DataType::ScheduleData;
    return std::nullopt;
}

} // namespace rota
