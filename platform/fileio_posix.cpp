#include "platform/fileio.h"
#include "platform/fileio_system.h"

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rota::sys {

namespace fs = std::filesystem;

namespace {

bool hasNoWriteBits(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

Kind kindOf(const struct stat& st)
{
    return S_ISREG(st.st_mode) ? Kind::Regular : S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
}

// Takes the writer's lock on a temporary file: held from before the file has
// a name until after its rename (or removal), it tells a live writer's file
// from one that a killed run left.
bool lockAsWriter(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

// True when `fd` is still the file named `path`.
bool stillNamed(int fd, const std::string& path)
{
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
           held.st_dev == named.st_dev;
}

// `path` through its symbolic links, to the name that is not one (which
// need not exist: a dangling link leads to the file it would make).
std::error_code followLinks(const std::string& path, std::string& target)
{
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            target = current.string();
            return {};
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return error;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

} // namespace

void closeFile(int fd)
{
    ::close(fd);
}

int openFile(const std::string& path, bool forWriting, std::error_code& error)
{
    const int fd = ::open(path.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        error = lastError();
    return fd;
}

std::error_code describeFile(int fd, Kind& kind, std::uint64_t& size)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return lastError();
    kind = kindOf(st);
    size = static_cast<std::uint64_t>(st.st_size);
    return {};
}

long readFile(int fd, char* buffer, std::size_t capacity, std::error_code& error)
{
    ssize_t n;
    while ((n = ::read(fd, buffer, capacity)) < 0 && errno == EINTR) {
    }
    if (n < 0)
        error = lastError();
    return static_cast<long>(n);
}

ssize_t writeFile(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

std::error_code rewindFile(int fd)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 ? std::error_code() : lastError();
}

std::error_code truncateFile(int fd, std::uint64_t size)
{
    return ::ftruncate(fd, static_cast<off_t>(size)) == 0 ? std::error_code() : lastError();
}

std::error_code flushFile(int fd)
{
    return ::fsync(fd) == 0 ? std::error_code() : lastError();
}

void removeFile(const std::string& path)
{
    ::unlink(path.c_str());
}

std::uint32_t processId()
{
    return static_cast<std::uint32_t>(::getpid());
}

std::error_code examineTarget(const std::string& path, Target& t)
{
    if (const std::error_code error = followLinks(path, t.path))
        return error;
    t.folder = fs::path(t.path).parent_path().string();
    if (t.folder.empty())
        t.folder = ".";
    struct stat st {};
    if (::stat(t.folder.c_str(), &st) != 0)
        return lastError();
    if (!S_ISDIR(st.st_mode))
        return std::make_error_code(std::errc::not_a_directory);
    t.folderTakesFiles = !hasNoWriteBits(st) && ::access(t.folder.c_str(), W_OK) == 0;
    if (::stat(t.path.c_str(), &st) != 0)
        return errno == ENOENT ? std::error_code() : lastError();
    t.kind = kindOf(st);
    t.links = static_cast<std::uint32_t>(st.st_nlink);
    t.readOnly = hasNoWriteBits(st) || ::access(t.path.c_str(), W_OK) != 0;
    return {};
}

int createTemporary(const std::string& path, std::error_code& error)
{
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        error = lastError();
        return -1;
    }
    // Between its making and the lock, another writer's clean-up may have
    // taken the file for abandoned: then it is gone, and the name is tried anew.
    lockAsWriter(fd.get());
    if (stillNamed(fd.get(), path))
        return fd.release();
    error = std::make_error_code(std::errc::file_exists);
    return -1;
}

int createUnnamed(const std::string& folder)
{
#ifdef O_TMPFILE
    Descriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() >= 0 && lockAsWriter(fd.get()))
        return fd.release();
#else
    (void)folder;
#endif
    return -1;
}

bool nameUnnamed(int fd, const std::string& path, std::error_code& error)
{
    // The file is named through /proc, where there is one.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    error = lastError();
    return false;
}

std::error_code adoptOwnerAndMode(int fd, const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return {};
    // The owner is kept where we may give the file away (as root).
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
        (void)!::fchown(fd, st.st_uid, st.st_gid);
    return ::fchmod(fd, st.st_mode & 07777) == 0 ? std::error_code() : lastError();
}

std::error_code renameOver(Descriptor& fd, const std::string& temporary, const Target& target)
{
    if (::rename(temporary.c_str(), target.path.c_str()) != 0)
        return lastError();
    // The writer's lock goes with the descriptor, once the file has its final name.
    if (::close(fd.release()) != 0)
        return lastError();
    // The rename itself reaches the disk with the folder.
    Descriptor folder(::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {};
}

void removeAbandonedTemporaries(const std::string& folder)
{
    // A writer holds its lock on its temporary file for as long as the file
    // has a name, so a file whose lock can be taken was left by a killed
    // run. Where the file system has no locks, only a file untouched for a
    // day is taken for left.
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryFileName(entry->d_name))
            continue;
        const std::string path = (fs::path(folder) / entry->d_name).string();
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held {};
        if (fd.get() < 0 || ::fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode))
            continue;
        if (!lockAsWriter(fd.get()) && (errno == EWOULDBLOCK || std::time(nullptr) - held.st_mtime < 24 * 60 * 60))
            continue;
        // Still the same file under that name: not renamed into place meanwhile.
        if (stillNamed(fd.get(), path))
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

} // namespace rota::sys
