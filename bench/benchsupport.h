// Season files and configuration files for the benchmarks, made from the
// real Retrosheet samples, and the one way the benchmarks load a season.
#pragma once

#include "common/vocabulary.h"
#include "session/session.h"

#include <string>

namespace rota::bench {

// A folder that lives as long as the benchmark program.
const std::string& workFolder();

// The text of a Retrosheet sample file kept in tests/data/retrosheet.
std::string sampleText(const std::string& name);

// A schedule file of exactly `games` game lines, cycling through the AL and
// NL games of the 1915 schedule.
std::string scheduleOfGames(std::size_t games);

// The 1915 game logs repeated `seasons` times, each copy with its own year.
std::string gameLogSeasons(int seasons);

// Writes `text` to `name` in the work folder and returns its path.
std::string put(const std::string& name, const std::string& text);

// A program folder `name` in the work folder holding `seasonText` as
// "season.txt" and a rota.ini that names every team a load of `namesFrom`
// (the season text itself when empty) looks up. Returns the folder.
std::string programFolder(const std::string& name, const std::string& seasonText, DataType dataType,
                          const std::string& namesFrom = "");

// Opens "season.txt" of `session`'s program folder as `dataType`, with both
// major leagues; throws std::runtime_error when the load fails or a team has
// no name.
void openSeason(Session& session, DataType dataType);

} // namespace rota::bench
