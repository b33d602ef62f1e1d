#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rota::fuzz::eventfile(data, size);
    return 0;
}
