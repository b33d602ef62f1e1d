#include "session/controls.h"

namespace rota {

ControlStates controlStates(DataType dataType, SessionState state)
{
    const bool gameData = dataType == DataType::GameData;
    ControlStates c{};
    // Game Data is compiled before it is opened; after a compile, Compile
    // Data waits until the new data file has been opened.
    c.compileData = gameData && state != SessionState::Compiled;
    c.gameDataSettings = gameData;
    c.openSeason = !gameData || state != SessionState::Idle;
    c.writeSchedule = state == SessionState::Loaded;
    c.leagueHint = state == SessionState::LoadFailed || (!gameData && state == SessionState::Idle);
    return c;
}

std::vector<FileKind> seasonFileKinds(DataType dataType)
{
    if (dataType == DataType::GameData)
        return {{"Data files", {"txt"}}, {"All files", {}}};
    return {{"Retrosheet files", {"txt", "csv"}}, {"All files", {}}};
}

} // namespace rota
