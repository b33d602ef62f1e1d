#include "tests/support/loadsupport.h"

#include "platform/fileio.h"

namespace rota::test {

Loaded loadFile(const std::string& path, DataType dataType, LeagueOption league, const std::string& ini, int year)
{
    TempDir home;
    if (!ini.empty())
        writeFile(home.file("rota.ini"), ini);
    Session session(home.path());
    session.chooseDataType(dataType);
    Loaded out;
    out.outcome = session.openSeason(path, {league, year});
    out.state = session.state();
    out.rows = session.games().rows();
    out.missingTeams = session.missingTeams();
    if (pathExists(home.file("rota.ini")))
        out.ini = readFile(home.file("rota.ini"));
    out.written = session.writeScheduleTo(home.file("out.sch"));
    if (pathExists(home.file("out.sch")))
        out.sch = readFile(home.file("out.sch"));
    return out;
}

Loaded loadText(const std::string& text, DataType dataType, LeagueOption league, const std::string& ini, int year)
{
    TempDir dir;
    writeFile(dir.file("season.txt"), text);
    return loadFile(dir.file("season.txt"), dataType, league, ini, year);
}

} // namespace rota::test
