#include "session/session.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "config/teamnames.h"
#include "platform/fileio.h"
#include "platform/shortpath.h"
#include "schedule/schwriter.h"
#include "season/seasonloader.h"

#include <cstdint>
#include <filesystem>

namespace rota {

namespace {

std::string fileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

// The configuration keys of a season's teams, in the order of its team list.
std::vector<std::string> teamKeysOf(const ParsedSeason& season, DataType dataType)
{
    std::vector<std::string> keys;
    keys.reserve(season.teams.size());
    for (const SeasonTeam& team : season.teams)
        keys.push_back(teamKey(dataType, team.code, team.league));
    return keys;
}

// Fills `list` with the rows of `season`, in file order or, given `order`,
// in that one; each team text is the season year followed by the name of
// the team (`names` follows the season's team list).
void fillRows(SeasonList& list, const ParsedSeason& season, const std::vector<std::string>& names,
              const std::vector<std::uint32_t>& order = {})
{
    std::vector<std::string> texts;
    texts.reserve(names.size());
    for (const std::string& name : names)
        texts.push_back(season.seasonYear + name);
    list.reserve(season.games.size());
    for (std::size_t place = 0; place < season.games.size(); ++place) {
        const std::size_t i = order.empty() ? place : order[place];
        const SeasonGame& game = season.games[i];
        list.append(std::string(game.dateText()), texts[game.visitor], texts[game.home],
                    game.doubleheader ? kDoubleheaderMark : "");
    }
}

} // namespace

Session::Session(std::string programFolder)
    : programFolder_(std::move(programFolder)),
      configFile_((std::filesystem::path(programFolder_) / kConfigFileName).string())
{
}

std::string Session::teamSection() const
{
    return configSection(dataType_);
}

bool Session::chooseDataType(DataType dataType)
{
    if (dataType == dataType_)
        return false;
    dataType_ = dataType;
    state_ = SessionState::Idle;
    return true;
}

Outcome Session::openSeason(const std::string& path, const LoadSettings& settings, const Progress& progress)
{
    seasonFile_ = path;
    return load(settings, progress);
}

Outcome Session::reloadSeason(const LoadSettings& settings, const Progress& progress)
{
    if (seasonFile_.empty())
        return Outcome::refused("No season has been opened yet.");
    return load(settings, progress);
}

Outcome Session::load(const LoadSettings& settings, const Progress& progress)
{
    games_.clear();
    missingTeams_.clear();
    state_ = SessionState::LoadFailed;

    const DataType dataType = dataType_;
    const std::string section = configSection(dataType);
    ParsedSeason season;
    try {
        LineReader lines = readFileLines(seasonFile_);
        readSeason(lines, {dataType, settings.league, settings.year}, season, progress);
    } catch (const DataError& error) {
        // The games read so far stay in sight, in file order, with the names
        // known; the configuration file is not touched.
        const std::vector<std::string> keys = teamKeysOf(season, dataType);
        std::vector<std::string> names(keys.size());
        try {
            names = lookUpTeamNames(configFile_, section, keys, false).names;
        } catch (const FileError&) {
            // The season's own error is the one to report; its rows go unnamed.
        }
        fillRows(games_, season, names);
        return Outcome::failed(error.what(), seasonFile_, error.lineNumber()).titled(kLoadFailureTitle);
    } catch (const std::exception& error) {
        // A file that cannot be read, or one too large to hold.
        return Outcome::failed(error.what(), seasonFile_).titled(kLoadFailureTitle);
    }
    try {
        const TeamNames names = lookUpTeamNames(configFile_, section, teamKeysOf(season, dataType), true);
        // Rows go in in date order, which the list's sort then keeps.
        fillRows(games_, season, names.names, gamesInDateOrder(season));
        missingTeams_ = names.missingKeys;
    } catch (const std::exception& error) {
        games_.clear();
        return Outcome::failed(error.what(), configFile_);
    }
    games_.sortByDate();
    if (games_.empty())
        return Outcome::refused(noGamesMessage(fileNameOf(seasonFile_), dataType), seasonFile_);
    state_ = SessionState::Loaded;
    return Outcome::success();
}

std::size_t Session::changeGameDate(std::size_t index, std::string date)
{
    return games_.setDate(index, std::move(date));
}

FitReport Session::fitCrowdedDates()
{
    if (state_ != SessionState::Loaded)
        return {};
    return rota::fitCrowdedDates(games_);
}

std::string scheduleNameProblem(const std::string& name)
{
    if (name.empty())
        return "You need to input a file name to save to file.";
    if (name.size() > 8)
        return "The file name \"" + name + "\" is longer than 8 characters.";
    if (name.find_first_of("/\\:*?\"<>|") != std::string::npos || name == "." || name == "..")
        return "The file name \"" + name + "\" holds a character that a file name cannot hold.";
    if (isWindowsDeviceName(name)) // whatever the extension
        return "The file name \"" + name + "\" is the name of a device on Windows.";
    return {};
}

Outcome Session::writeSchedule(const std::string& name, const Progress& progress)
{
    if (const std::string problem = scheduleNameProblem(name); !problem.empty())
        return Outcome::refused(problem);
    const std::filesystem::path folder = std::filesystem::path(seasonFile_).parent_path();
    return writeScheduleTo((folder / (name + ".sch")).string(), progress);
}

Outcome Session::writeScheduleTo(const std::string& path, const Progress& progress)
{
    if (state_ != SessionState::Loaded)
        return Outcome::refused("There is no season to write: open a season first.");
    const auto problems = scheduleLimitProblems(games_.rows());
    if (!problems.empty())
        return Outcome::refused(scheduleLimitMessage(), path, problems);
    try {
        writeFileAtomically(path, buildScheduleFile(games_.rows(), progress));
    } catch (const std::exception& error) {
        return Outcome::failed(error.what(), path).titled(kWriteFailureTitle);
    }
    return Outcome::success();
}

Outcome Session::compileData(const CompileInput& input, std::ostream& diagnostics)
{
    try {
        std::string problem = compileInputProblem(input);
        if (problem.empty())
            problem = programDirProblem(shortPathName(programFolder_));
        if (!problem.empty())
            return Outcome::refused(problem);
        if (!compileSeason(programFolder_, input, diagnostics))
            return Outcome::failed(missingDataFileMessage(input.dataFileName + ".txt", programFolder_));
    } catch (const std::exception& error) {
        return Outcome::failed(error.what()).titled(kCompileFailureTitle);
    }
    state_ = SessionState::Compiled;
    return Outcome::success();
}

Outcome Session::loadTeamTable()
{
    try {
        teamTable_.load(configFile_);
    } catch (const FileError& error) {
        return Outcome::failed(error.what(), configFile_);
    }
    return Outcome::success();
}

Outcome Session::setTeamName(const std::string& section, const std::string& key, const std::string& name)
{
    if (!teamTable_.set(section, key, name))
        return Outcome::refused("The entry \"" + key + "\" of [" + section + "] is no longer in " + configFile_ +
                                    ": the file was changed meanwhile.",
                                configFile_);
    return Outcome::success();
}

Outcome Session::saveTeamTable()
{
    try {
        teamTable_.save(configFile_);
    } catch (const FileError& error) {
        return Outcome::failed(error.what(), configFile_);
    }
    return Outcome::success();
}

} // namespace rota
