#include "tests/support/testsupport.h"

#include <io.h>
#include <stdexcept>
#include <windows.h>

namespace rota::test {

long writeDescriptor(int fd, const void* data, std::size_t size)
{
    return ::_write(fd, data, static_cast<unsigned>(size));
}

void setReadOnly(const std::string& path, bool readOnly)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    const DWORD changed = readOnly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~FILE_ATTRIBUTE_READONLY;
    if (attributes == INVALID_FILE_ATTRIBUTES || !::SetFileAttributesA(path.c_str(), changed))
        throw std::runtime_error("cannot change the attributes of " + path);
}

void makeWritable(const std::string& path) noexcept
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

bool foldersCanBeReadOnly()
{
    return false;
}

} // namespace rota::test
