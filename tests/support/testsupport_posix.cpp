#include "tests/support/testsupport.h"

#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace rota::test {

long writeDescriptor(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

void setReadOnly(const std::string& path, bool readOnly)
{
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? 0755 : 0644;
    if (::chmod(path.c_str(), readOnly ? mode & 0555 : mode) != 0)
        throw std::runtime_error("cannot change the mode of " + path);
}

void makeWritable(const std::string& path) noexcept
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
        ::chmod(path.c_str(), S_ISDIR(st.st_mode) ? 0755 : 0644);
}

bool foldersCanBeReadOnly()
{
    return true;
}

} // namespace rota::test
