// Loading a season in the window, headless: the 1915 game logs once and 100
// times over (AL and NL games), with every team named. Reports the peak
// resident memory of the process while the window loads ("peak_MB").

#include "app/prompts.h"
#include "app/rotaHome.h"
#include "bench/benchsupport.h"
#include "season/linestate.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <malloc.h>

namespace {

class FilePrompts : public Prompts {
public:
    void message(QWidget*, const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void error(QWidget*, const QString& text) override { throw std::runtime_error(text.toStdString()); }
    QString openFileName(QWidget*, const QString&) override { return file; }
    QString file;
};

// Forgets the peak resident memory so far (Linux), so that the peak read
// afterwards is that of what runs after the call.
void resetPeakMemory()
{
    ::malloc_trim(0);
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_WindowGameLogSeasons(benchmark::State& state)
{
    const int seasons = static_cast<int>(state.range(0));
    const std::string name = "window" + std::to_string(seasons);
    const std::string folder = rota::bench::workFolder() + "/" + name;
    QDir().mkpath(QString::fromStdString(folder));
    const std::string season = rota::bench::put(name + "/season.txt", rota::bench::gameLogSeasons(seasons));
    // Only the years differ from season to season, so one names them all.
    rota::bench::put(name + "/rota.ini", rota::bench::namingIni(rota::bench::gameLogSeasons(1), rota::GameLogs));
    QDir::setCurrent(QString::fromStdString(folder));

    FilePrompts prompts;
    prompts.file = QString::fromStdString(season);
    TForm1 form(prompts);
    form.RadioGroup2->clickItem(rota::GameLogs);
    form.show();
    resetPeakMemory();
    for (auto _ : state)
        form.Button1Click();
    const auto rows = static_cast<double>(form.seasonModel().rowCount());
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_WindowGameLogSeasons)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
