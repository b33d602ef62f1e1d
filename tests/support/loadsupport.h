// Loads a season through a session whose program folder is a fresh
// temporary folder, and writes what it loaded as a ".sch" file there.
#pragma once

#include "session/session.h"
#include "tests/support/testsupport.h"

#include <string>
#include <vector>

namespace rota::test {

struct Loaded {
    Outcome outcome, written; // of Session::openSeason, then of Session::writeScheduleTo
    SessionState state;       // after the load
    std::vector<GameRow> rows;
    std::vector<std::string> missingTeams;
    std::string ini, sch; // rota.ini and the .sch file afterwards, "" where there is none
    bool seasonKept;      // the season file is byte-identical afterwards
};

// Loads the file at `path` as `dataType` with a rota.ini holding `ini`
// (none when empty); `year` is the year chosen for the headed layouts.
Loaded loadFile(const std::string& path, DataType dataType, LeagueOption league = LeagueOption::AlNl,
                const std::string& ini = "", int year = 1900);

// Loads `text` as a season file named "season.txt".
Loaded loadText(const std::string& text, DataType dataType, LeagueOption league = LeagueOption::AlNl,
                const std::string& ini = "", int year = 1900);

} // namespace rota::test
