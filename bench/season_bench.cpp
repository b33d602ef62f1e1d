// Loading seasons through the Open Season frame and writing ".sch" files.
//
// BM_ScheduleSeason reports "vs_read": its time per run divided by the time
// to read the same bytes from the page cache (the season file once, plus
// rota.ini once for every lookup the load makes).

#include "bench/benchsupport.h"
#include "config/teamlookup.h"
#include "platform/fileio.h"
#include "schedule/schwriter.h"
#include "season/seasonloader.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace rota;

namespace {

struct Season {
    std::string file;
    std::string ini;
};

Season prepare(const std::string& name, const std::string& text, int dataType)
{
    Season season;
    season.file = bench::put(name, text);
    season.ini = bench::put(name + ".ini", bench::namingIni(text, dataType));
    return season;
}

std::size_t loadSeason(const Season& season, int dataType, SeasonList& list)
{
    SeasonLoader loader;
    TeamNameLookup lookup(season.ini);
    loader.begin();
    loader.clear(list);
    loader.readFile(season.file);
    loader.readGames({dataType, -1, 1900}, list, lookup);
    SeasonLoader::finish(list);
    if (loader.state.missingTeamCount != 0)
        throw std::runtime_error("a team has no name");
    return loader.gameKeys().size();
}

// Seconds to read the season file once and rota.ini `lookups` times.
double readBaseline(const Season& season, std::size_t lookups)
{
    const int rounds = 5;
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readFileBytes(season.file));
        for (std::size_t i = 0; i < lookups; ++i)
            benchmark::DoNotOptimize(readFileBytes(season.ini));
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void BM_ScheduleSeason(benchmark::State& state)
{
    const auto games = static_cast<std::size_t>(state.range(0));
    static const Season season = prepare("schedule.txt", bench::scheduleOfGames(games), ScheduleData);
    const std::string sch = bench::put("out.sch", "");
    SeasonList list;
    double seconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        loadSeason(season, ScheduleData, list);
        writeFileAtomically(sch, buildScheduleFile(list.rows()));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perRun = seconds / static_cast<double>(state.iterations());
    state.counters["games"] = static_cast<double>(games);
    state.counters["ns_per_game"] = perRun * 1e9 / static_cast<double>(games);
    state.counters["vs_read"] = perRun / readBaseline(season, list.size());
}
BENCHMARK(BM_ScheduleSeason)->Arg(2430)->Unit(benchmark::kMillisecond);

void BM_GameLogSeasons(benchmark::State& state)
{
    const int seasons = static_cast<int>(state.range(0));
    const std::string text = bench::gameLogSeasons(seasons);
    const Season season = prepare("gamelogs" + std::to_string(seasons) + ".txt", text, GameLogs);
    SeasonList list;
    std::size_t games = 0;
    for (auto _ : state)
        games = loadSeason(season, GameLogs, list);
    state.counters["games"] = static_cast<double>(games);
    state.counters["ns_per_game"] = benchmark::Counter(static_cast<double>(games) * static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GameLogSeasons)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
