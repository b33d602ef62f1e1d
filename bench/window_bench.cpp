// Loading a season in the window, headless, through its Open Season button:
// the 1915 game logs once and 100 times over (AL and NL games), with every
// team named. Reports the peak resident memory of the process while the
// window loads ("peak_MB").

#include "app/form/form.h"
#include "app/form/prompts.h"
#include "app/qt/mainwindow.h"
#include "app/qt/widgets.h"
#include "bench/benchsupport.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>

namespace {

// Answers the open dialog with one file and keeps every message.
class FilePrompts : public rota::form::Prompts {
public:
    void message(const std::string& text) override { said += text; }
    void error(const std::string& text) override { said += text; }
    bool ask(const std::string& text) override
    {
        said += text;
        return false;
    }
    std::optional<std::string> openFileName(const std::string&, const std::vector<rota::FileKind>&) override
    {
        return file;
    }
    std::string file;
    std::string said;
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
    const std::string folder =
        rota::bench::programFolder("window" + std::to_string(seasons), rota::bench::gameLogSeasons(seasons),
                                   rota::DataType::GameLogs, rota::bench::gameLogSeasons(1));
    rota::Session session(folder);
    FilePrompts prompts;
    prompts.file = (std::filesystem::path(folder) / "season.txt").string();
    MainWindow window(session, prompts);
    window.findChild<RadioGroup*>(QString::fromLatin1(rota::form::name::dataType))
        ->clickItem(static_cast<int>(rota::DataType::GameLogs));
    auto* openSeason = window.findChild<QPushButton*>(QString::fromLatin1(rota::form::name::openSeason));
    window.show();
    resetPeakMemory();
    for (auto _ : state)
        openSeason->click();
    if (session.state() != rota::SessionState::Loaded || !prompts.said.empty())
        state.SkipWithError(("the season did not load: " + prompts.said).c_str());
    state.counters["rows"] = static_cast<double>(session.games().size());
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
