// One user's work on seasons: the commands of the program, without any
// window. A window or a command line calls them and shows their outcomes.
//
// The session holds the season game list, the program folder (home of
// "rota.ini", the batch file and compiled data files), the folder of the
// season file opened last (where ".sch" files go), and the team table the
// user edits. The process's current folder is never changed.
#pragma once

#include "common/vocabulary.h"
#include "compile/compiledata.h"
#include "config/teamtable.h"
#include "season/crowdeddates.h"
#include "season/seasonlist.h"
#include "session/controls.h"
#include "session/outcome.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace rota {

// The settings a load takes besides the data type.
struct LoadSettings {
    LeagueOption league = LeagueOption::AlNl;
    int year = 1900; // for the headed layouts, which carry no year
};

// Called as a command goes on: `done` of `total` steps.
using Progress = std::function<void(std::size_t done, std::size_t total)>;

class Session {
public:
    // `programFolder` holds "rota.ini", the batch file and the data files.
    explicit Session(std::string programFolder);

    const std::string& programFolder() const { return programFolder_; }

    // The configuration file: "rota.ini" in the program folder unless set.
    const std::string& configFile() const { return configFile_; }
    void setConfigFile(std::string path) { configFile_ = std::move(path); }

    SessionState state() const { return state_; }
    DataType dataType() const { return dataType_; }
    ControlStates controls() const { return controlStates(dataType_, state_); }

    // Chooses the kind of data the next load reads. A change makes a loaded
    // season unwritable until a season is opened anew; choosing the type
    // already chosen changes nothing. Returns true on a change.
    bool chooseDataType(DataType dataType);

    // The season game list: sorted by date after a load; in file order, as
    // far as it got, after a failed one.
    const SeasonList& games() const { return games_; }

    // Team keys of the last load that have no name in the configuration
    // file, each once.
    const std::vector<std::string>& missingTeams() const { return missingTeams_; }

    // The section of the configuration file that names the chosen data
    // type's teams.
    std::string teamSection() const;

    // Reads the season file at `path` as the chosen data type, looks its
    // teams up (adding an empty entry for every team without a name) and
    // sorts the list by date. A file that cannot be read as that data type
    // leaves the configuration file untouched and the rows read so far in
    // sight, and the state LoadFailed. `progress` counts the file's bytes.
    Outcome openSeason(const std::string& path, const LoadSettings& settings, const Progress& progress = {});

    // Reads the file of the last load again.
    Outcome reloadSeason(const LoadSettings& settings, const Progress& progress = {});

    // Changes the date of game `index` as the user typed it; the game moves
    // to its place by date. Returns its new index.
    std::size_t changeGameDate(std::size_t index, std::string date);

    // Moves games of the loaded season off dates with more games than a
    // ".sch" day record holds, to nearby days (see fitCrowdedDates); the
    // list stays sorted by date. Reports the moves and the crowded dates
    // none of whose games could move; nothing happens unless a season is
    // loaded.
    FitReport fitCrowdedDates();

    // Writes the loaded season as "<name>.sch" beside the season file.
    // `progress` counts games.
    Outcome writeSchedule(const std::string& name, const Progress& progress = {});

    // Writes the loaded season as the ".sch" file at `path`.
    Outcome writeScheduleTo(const std::string& path, const Progress& progress = {});

    // Checks `input`, then composes and runs the batch file in the program
    // folder; the state becomes Compiled when it made the data file. What
    // the batch's commands complain of goes to `diagnostics`.
    Outcome compileData(const CompileInput& input, std::ostream& diagnostics);

    // The team table the user edits, loaded from the configuration file.
    const TeamTable& teamTable() const { return teamTable_; }
    Outcome loadTeamTable();

    // Names the team of entry (`section`, `key`) in the table; nothing is
    // saved yet. Refused when the table holds that entry no more.
    Outcome setTeamName(const std::string& section, const std::string& key, const std::string& name);

    // Saves the team table's edits into the configuration file as it is
    // now. The season is then read again with reloadSeason, to show them.
    Outcome saveTeamTable();

    // Forgets the team table's edits.
    void discardTeamTableEdits() { teamTable_.discardEdits(); }

private:
    Outcome load(const LoadSettings& settings, const Progress& progress);

    std::string programFolder_;
    std::string configFile_;
    std::string seasonFile_;
    DataType dataType_ = DataType::GameData;
    SessionState state_ = SessionState::Idle;
    SeasonList games_;
    std::vector<std::string> missingTeams_;
    TeamTable teamTable_;
};

// The name a ".sch" file may have: 1 to 8 characters (the game reads 8.3
// names), none of them a path separator or a character Windows refuses.
// Returns why not, or "" when it may.
std::string scheduleNameProblem(const std::string& name);

} // namespace rota
