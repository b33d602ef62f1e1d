// Every saved fuzz input (seeds, and inputs that once crashed) run through
// the fuzz targets' own checks.
#include "fuzz/harness.h"

#include "platform/fileio.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

void runAll(const std::string& target, void (*harness)(const std::uint8_t*, std::size_t))
{
    int inputs = 0;
    for (const char* kind : {"seeds", "regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(ROTA_FUZZ_DIR) / kind / target;
        if (!std::filesystem::is_directory(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string bytes = rota::readFileBytes(entry.path().string());
            SCOPED_TRACE(entry.path().string());
            harness(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}

} // namespace

TEST(FuzzInputs, Season) { runAll("season", rota::fuzz::season); }
TEST(FuzzInputs, Lines) { runAll("lines", rota::fuzz::lines); }
TEST(FuzzInputs, Ini) { runAll("ini", rota::fuzz::ini); }
TEST(FuzzInputs, Entry) { runAll("entry", rota::fuzz::entry); }
TEST(FuzzInputs, Csv) { runAll("csv", rota::fuzz::csv); }
TEST(FuzzInputs, Sch) { runAll("sch", rota::fuzz::sch); }
TEST(FuzzInputs, EventFile) { runAll("eventfile", rota::fuzz::eventfile); }
