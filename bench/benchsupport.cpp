#include "bench/benchsupport.h"

#include "common/textlines.h"
#include "platform/fileio.h"

#include <cstdlib>
#include <filesystem>
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
    const std::string path = (std::filesystem::path(workFolder()) / name).string();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeFileAtomically(path, text);
    return path;
}

std::string scheduleOfGames(std::size_t games)
{
    std::vector<std::string> lines;
    for (const auto& line : splitLines(sampleText("1915SKED.TXT")))
        if (line.size() > 26 && line.find("\"FL\"") == std::string::npos)
            lines.push_back(line);
    // Federal League games are left out, as a load of both major leagues
    // leaves them out. Each pass through the schedule gets a year of its
    // own, so that no date holds more games than a day record can.
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

void openSeason(Session& session, DataType dataType)
{
    session.chooseDataType(dataType);
    const Outcome outcome =
        session.openSeason((std::filesystem::path(session.programFolder()) / "season.txt").string(), {});
    if (!outcome.done())
        throw std::runtime_error("the season did not load: " + outcome.detail);
    if (!session.missingTeams().empty())
        throw std::runtime_error("a team has no name");
}

std::string programFolder(const std::string& name, const std::string& seasonText, DataType dataType,
                          const std::string& namesFrom)
{
    // A load of the names' season with no rota.ini adds every key it looks
    // up with an empty name; each then gets a name of its own.
    const std::string naming = (std::filesystem::path(workFolder()) / (name + "-naming")).string();
    std::filesystem::remove_all(naming);
    put(name + "-naming/season.txt", namesFrom.empty() ? seasonText : namesFrom);
    Session session(naming);
    session.chooseDataType(dataType);
    session.openSeason((std::filesystem::path(naming) / "season.txt").string(), {});
    std::vector<std::string> lines;
    int n = 0;
    for (std::string line : splitLines(readFileBytes(session.configFile()))) {
        if (!line.empty() && line.back() == '=')
            line += "Tm" + std::to_string(n++ % 1000);
        lines.push_back(line);
    }
    std::filesystem::remove_all(naming);
    put(name + "/rota.ini", joinLinesCrlf(lines));
    put(name + "/season.txt", seasonText);
    return (std::filesystem::path(workFolder()) / name).string();
}

} // namespace rota::bench
