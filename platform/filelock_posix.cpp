#include "platform/filelock.h"

#include "platform/fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace rota {

bool FileLock::take(const std::string& path, Mode mode, bool wait)
{
    const std::string lockPath = lockFilePath(path);
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC); // flock needs no write access
    if (fd < 0)
        throw FileError("Cannot make the lock file \"" + lockPath + "\": " + std::strerror(errno));
    while (::flock(fd, (mode == Exclusive ? LOCK_EX : LOCK_SH) | (wait ? 0 : LOCK_NB)) != 0) {
        if (errno == EINTR)
            continue;
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK && !wait)
            return false;
        throw FileError("Cannot lock \"" + lockPath + "\": " + std::strerror(error));
    }
    native_ = fd;
    return true;
}

FileLock::~FileLock()
{
    if (native_ != -1)
        ::close(static_cast<int>(native_)); // releases the lock
}

} // namespace rota
