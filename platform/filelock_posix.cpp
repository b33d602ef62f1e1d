#include "platform/filelock.h"

#include "platform/fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace rota {

FileLock::FileLock(const std::string& path, Mode mode)
{
    const std::string lockPath = lockFilePath(path);
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC); // flock needs no write access
    if (fd < 0)
        throw FileError("Cannot make the lock file \"" + lockPath + "\": " + std::strerror(errno));
    while (::flock(fd, mode == Exclusive ? LOCK_EX : LOCK_SH) != 0) {
        if (errno == EINTR)
            continue;
        const int error = errno;
        ::close(fd);
        throw FileError("Cannot lock \"" + lockPath + "\": " + std::strerror(error));
    }
    native_ = fd;
}

FileLock::~FileLock()
{
    ::close(static_cast<int>(native_)); // releases the lock
}

} // namespace rota
