// The libFuzzer entry point of one fuzz target: ROTA_FUZZ_TARGET names the
// harness function (see fuzz/CMakeLists.txt).
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rota::fuzz::ROTA_FUZZ_TARGET(data, size);
    return 0;
}
