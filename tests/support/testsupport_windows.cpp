#include "tests/support/testsupport.h"

#include <io.h>

namespace rota::test {

long writeDescriptor(int fd, const void* data, std::size_t size)
{
    return ::_write(fd, data, static_cast<unsigned>(size));
}

} // namespace rota::test
