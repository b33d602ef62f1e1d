// Season files and configuration files for the benchmarks, made from the
// real Retrosheet samples.
#pragma once

#include <string>

namespace rota::bench {

// A folder that lives as long as the benchmark program.
const std::string& workFolder();

// The text of a Retrosheet sample file kept in tests/data/retrosheet.
std::string sampleText(const std::string& name);

// A schedule file of exactly `games` game lines, cycling through the 1915
// schedule.
std::string scheduleOfGames(std::size_t games);

// The 1915 game logs repeated `seasons` times, each copy with its own year.
std::string gameLogSeasons(int seasons);

// A rota.ini naming every team of `seasonText` read as `dataType`.
std::string namingIni(const std::string& seasonText, int dataType);

// Writes `text` to `name` in the work folder and returns its path.
std::string put(const std::string& name, const std::string& text);

} // namespace rota::bench
