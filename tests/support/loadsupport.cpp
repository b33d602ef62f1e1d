#include "tests/support/loadsupport.h"

#include "platform/fileio.h"

namespace rota::test {

Loaded loadFile(const std::string& path, DataType dataType, LeagueOption league, const std::string& ini, int year)
{
    TempDir home;
    if (!ini.empty())
        writeFile(home.file("rota.ini"), ini);
    const std::string season = readFile(path);
    Session session(home.path());
    session.chooseDataType(dataType);
    Loaded out;
    out.outcome = session.openSeason(path, {league, year});
    out.state = session.state();
    out.rows = session.games().rows();
    out.missingTeams = session.missingTeams();
    out.written = session.writeScheduleTo(home.file("out.sch"));
    out.ini = readFileIfPresent(home.file("rota.ini")).value_or("");
    out.sch = readFileIfPresent(home.file("out.sch")).value_or("");
    out.seasonKept = readFile(path) == season;
    return out;
}

Loaded loadText(const std::string& text, DataType dataType, LeagueOption league, const std::string& ini, int year)
{
    TempDir dir;
    writeFile(dir.file("season.txt"), text);
    return loadFile(dir.file("season.txt"), dataType, league, ini, year);
}

} // namespace rota::test
