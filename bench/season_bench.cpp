// Loading seasons through the session and writing ".sch" files.
//
// BM_ScheduleSeason reports "vs_floor": its time per run divided by the time,
// measured in the same run, that no implementation can beat: reading the
// season file and rota.ini once each and writing the same ".sch" bytes the
// durable way the program does (temporary file, flush to disk, rename).

#include "bench/benchsupport.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

using namespace rota;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::size_t gamesOf(const Session& session)
{
    std::size_t games = 0;
    for (const GameRow& row : session.games().rows())
        games += row.dh.empty() ? 1 : 2;
    return games;
}

void BM_ScheduleSeason(benchmark::State& state)
{
    static const std::string folder = bench::programFolder(
        "schedule", bench::scheduleOfGames(static_cast<std::size_t>(state.range(0))), DataType::ScheduleData);
    const std::filesystem::path dir(folder);
    const std::string season = (dir / "season.txt").string(), ini = (dir / "rota.ini").string();
    const std::string sch = (dir / "out.sch").string(), floorSch = (dir / "floor.sch").string();
    std::string bytes;
    std::size_t games = 0;
    double seconds = 0, floorSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        Session session(folder);
        bench::openSeason(session, DataType::ScheduleData);
        if (!session.writeScheduleTo(sch).done())
            state.SkipWithError("the schedule was not written");
        const double run = secondsSince(start);
        state.SetIterationTime(run);
        seconds += run;
        games = gamesOf(session);
        if (bytes.empty())
            bytes = readFileBytes(sch);

        start = Clock::now();
        benchmark::DoNotOptimize(readFileBytes(season));
        benchmark::DoNotOptimize(readFileBytes(ini));
        writeFileAtomically(floorSch, bytes);
        floorSeconds += secondsSince(start);
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["ns_per_game"] = seconds * 1e9 / static_cast<double>(games * state.iterations());
    state.counters["vs_floor"] = seconds / floorSeconds;
}
BENCHMARK(BM_ScheduleSeason)->Arg(2430)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GameLogSeasons(benchmark::State& state)
{
    const int seasons = static_cast<int>(state.range(0));
    const std::string folder =
        bench::programFolder("gamelogs" + std::to_string(seasons), bench::gameLogSeasons(seasons), DataType::GameLogs,
                             bench::gameLogSeasons(1));
    std::size_t games = 0;
    for (auto _ : state) {
        Session session(folder);
        bench::openSeason(session, DataType::GameLogs);
        games = gamesOf(session);
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["ns_per_game"] =
        benchmark::Counter(static_cast<double>(games) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GameLogSeasons)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
