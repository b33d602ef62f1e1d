// Every saved fuzz input (seeds, and inputs that once crashed) run through
// the fuzz targets' own checks.
#include "fuzz/harness.h"

#include "platform/fileio.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(FuzzInputs, SavedInputsKeepEveryTargetsProperties)
{
    using namespace rota::fuzz;
    const std::pair<const char*, void (*)(const std::uint8_t*, std::size_t)> targets[] = {
        {"season", season}, {"lines", lines},        {"ini", ini}, {"entry", entry}, {"csv", csv},
        {"sch", sch},       {"eventfile", eventfile}};
    for (const auto& [target, harness] : targets) {
        int inputs = 0;
        for (const char* kind : {"/seeds/", "/regressions/"})
            for (const auto& entry :
                 std::filesystem::directory_iterator(ROTA_FUZZ_DIR + (kind + std::string(target)))) {
                const std::string bytes = rota::readFileBytes(entry.path().string());
                SCOPED_TRACE(entry.path().string());
                harness(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                inputs += entry.path().filename() != ".keep";
            }
        EXPECT_GT(inputs, 0) << target;
    }
}
