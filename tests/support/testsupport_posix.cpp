#include "tests/support/testsupport.h"

#include <unistd.h>

namespace rota::test {

long writeDescriptor(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

} // namespace rota::test
