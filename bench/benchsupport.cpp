#include "bench/benchsupport.h"

#include "config/teamlookup.h"
#include "platform/fileio.h"
#include "platform/textlines.h"
#include "season/seasonloader.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <stdexcept>

namespace rota::bench {

const std::string& workFolder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "rota-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        std::atexit([] { std::filesystem::remove_all(workFolder()); });
        return pattern;
    }();
    return folder;
}

std::string sampleText(const std::string& name)
{
    return readFileBytes(std::string(ROTA_SAMPLE_DIR) + "/" + name);
}

std::string put(const std::string& name, const std::string& text)
{
    const std::string path = joinPath(workFolder(), name);
    writeFileAtomically(path, text);
    return path;
}

std::string scheduleOfGames(std::size_t games)
{
    std::vector<std::string> lines;
    for (const auto& line : splitLines(sampleText("1915SKED.TXT")))
        if (line.size() > 26)
            lines.push_back(line);
    // Each pass through the 1915 schedule gets a year of its own, so that no
    // date holds more games than a day record can.
    std::string text;
    for (std::size_t i = 0; i < games; ++i) {
        std::string line = lines[i % lines.size()];
        line.replace(1, 4, std::to_string(1915 + i / lines.size()));
        text += line + "\r\n";
    }
    return text;
}

std::string gameLogSeasons(int seasons)
{
    const auto lines = splitLines(sampleText("GL1915.TXT"));
    std::string text;
    for (int season = 0; season < seasons; ++season) {
        const std::string year = std::to_string(1901 + season);
        for (std::string line : lines) {
            if (line.size() > 5)
                line.replace(1, 4, year);
            text += line + "\r\n";
        }
    }
    return text;
}

std::string namingIni(const std::string& seasonText, int dataType)
{
    // Load once with an empty configuration to learn every key, then name them.
    const std::string season = put("naming-season.txt", seasonText);
    const std::string ini = joinPath(workFolder(), "naming.ini");
    std::filesystem::remove(ini);
    SeasonLoader loader;
    SeasonList list;
    TeamNameLookup lookup(ini);
    loader.readFile(season);
    loader.readGames({dataType, -1, 1900}, list, lookup);
    std::vector<std::string> lines;
    int n = 0;
    for (std::string line : loadLines(ini)) {
        if (!line.empty() && line.back() == '=')
            line += "Tm" + std::to_string(n++ % 1000);
        lines.push_back(line);
    }
    return joinLinesCrlf(lines);
}

} // namespace rota::bench
