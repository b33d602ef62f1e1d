#include "tests/support/loadsupport.h"

#include "platform/fileio.h"

namespace rota::test {

Loaded loadFile(const std::string& path, int dataType, int league, int year, const std::string& ini)
{
    TempDir dir;
    if (!ini.empty())
        writeFile(dir.file("rota.ini"), ini);
    SeasonLoader loader;
    TeamNameLookup lookup(dir.file("rota.ini"));
    Loaded out;
    loader.begin();
    loader.clear(out.list);
    loader.readFile(path);
    try {
        loader.readGames({dataType, league, year}, out.list, lookup);
        SeasonLoader::finish(out.list);
    } catch (const DataError& e) {
        out.error = e.what();
    }
    out.keys = loader.gameKeys();
    out.state = loader.state;
    if (pathExists(dir.file("rota.ini")))
        out.ini = readFile(dir.file("rota.ini"));
    return out;
}

Loaded loadText(const std::string& text, int dataType, int league, int year, const std::string& ini)
{
    TempDir dir;
    writeFile(dir.file("season.txt"), text);
    return loadFile(dir.file("season.txt"), dataType, league, year, ini);
}

} // namespace rota::test
