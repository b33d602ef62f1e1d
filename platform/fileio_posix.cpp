#include "platform/fileio.h"

#include "platform/descriptor.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rota {

namespace {

std::string describeErrno(int error)
{
    return std::strerror(error);
}

[[noreturn]] void fail(const std::string& what, const std::string& path, int error)
{
    throw FileError(what + " \"" + path + "\": " + describeErrno(error));
}

bool hasNoWriteBits(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Opens `path` for reading and gives its descriptor and size, or -1 for a
// missing file when that is no error. Throws FileError.
int openRegularFile(const std::string& path, bool missingIsError, std::uint64_t& size)
{
    // Opened without blocking, so that a pipe or device cannot hang us; only
    // regular files are read.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT && !missingIsError)
            return -1;
        fail("Cannot open", path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        fail("Cannot read", path, errno);
    if (S_ISDIR(st.st_mode))
        fail("Cannot read", path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError("Cannot read \"" + path + "\": it is not a regular file");
    size = static_cast<std::uint64_t>(st.st_size);
    return fd.release();
}

// Reads at most `capacity` bytes; 0 at the end of the file.
std::size_t readSome(int fd, const std::string& path, char* buffer, std::size_t capacity)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, capacity);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            fail("Cannot read", path, errno);
    }
}

// Reads the file at `fd` from its offset to its end into `bytes`, straight
// into the string, which starts in the size the file has now (`size`); a
// file that grows meanwhile is read on to its end. Returns 0 or the error.
int readToEnd(int fd, std::uint64_t size, std::string& bytes)
{
    bytes.assign(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return 0;
}

std::optional<std::string> readRegularFile(const std::string& path, bool missingIsError)
{
    std::uint64_t size = 0;
    Descriptor fd(openRegularFile(path, missingIsError, size));
    if (fd.get() < 0)
        return std::nullopt;
    std::string bytes;
    if (int error = readToEnd(fd.get(), size, bytes))
        fail("Cannot read", path, error);
    return bytes;
}

} // namespace

void closeDescriptor(int fd)
{
    ::close(fd);
}

FileReader::FileReader(const std::string& path) : path_(path), fd_(openRegularFile(path, true, size_)) {}

std::size_t FileReader::read(char* buffer, std::size_t capacity)
{
    return readSome(fd_.get(), path_, buffer, capacity);
}

std::string readFileBytes(const std::string& path)
{
    return *readRegularFile(path, true);
}

std::optional<std::string> readFileIfPresent(const std::string& path)
{
    return readRegularFile(path, false);
}

bool pathExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string parentFolder(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

namespace {

// Writes all of `bytes` at the descriptor's offset through `write` (the
// system's write when empty). Returns 0, or the error that stopped it.
int writeAll(const WriteFunction& write, int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write ? write(fd, bytes.data() + done, bytes.size() - done)
                                : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Follows `path` through symbolic links to the name that is not one (which
// need not exist: a dangling link leads to the file it would make).
std::string finalTarget(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
        for (;;) {
            const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
            if (n < 0)
                fail("Cannot write", path, errno);
            if (static_cast<std::size_t>(n) < target.size()) {
                target.resize(static_cast<std::size_t>(n));
                break;
            }
            target.resize(target.size() * 2); // the link changed meanwhile
        }
        current = !target.empty() && target.front() == '/' ? target : joinPath(parentFolder(current), target);
    }
    fail("Cannot write", path, ELOOP);
}

// Where a write of `path` goes, and what is there now.
struct Target {
    std::string path;          // after the links
    bool exists = false;
    struct stat st {};         // of the existing file
    bool folderWritable = false;
};

Target checkTarget(const std::string& path)
{
    Target t;
    t.path = finalTarget(path);
    const std::string folder = parentFolder(t.path);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        fail("Cannot write", path, errno);
    if (!S_ISDIR(st.st_mode))
        fail("Cannot write", path, ENOTDIR);
    t.folderWritable = !hasNoWriteBits(st) && ::access(folder.c_str(), W_OK) == 0;

    if (::stat(t.path.c_str(), &t.st) != 0) {
        if (errno != ENOENT)
            fail("Cannot write", path, errno);
        if (!t.folderWritable)
            throw FileError("Cannot write \"" + path + "\": the folder \"" + folder + "\" is read-only");
        return t;
    }
    t.exists = true;
    if (S_ISDIR(t.st.st_mode))
        throw FileError("Cannot write \"" + path + "\": it is a folder, not a file");
    if (!S_ISREG(t.st.st_mode))
        throw FileError("Cannot write \"" + path + "\": it is not a regular file");
    if (hasNoWriteBits(t.st) || ::access(t.path.c_str(), W_OK) != 0)
        throw FileError("Cannot write \"" + path + "\": the file is read-only");
    return t;
}

// The name of a temporary file for `target`: "<target>.<pid>-<n>.tmp".
std::string temporaryName(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
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

// Makes a new named file beside `target` under a name no one uses, locked
// as a writer's; its mode is 0666 less the umask. Returns -1 with errno set
// when the folder refuses.
int createTemporary(const std::string& target, std::string& temp)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        temp = temporaryName(target);
        Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // Between its making and the lock, another writer's clean-up may
        // have taken the file for abandoned: then it is gone, and we start anew.
        struct stat held {}, named {};
        lockAsWriter(fd.get());
        if (::fstat(fd.get(), &held) == 0 && ::lstat(temp.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            return fd.release();
    }
    errno = EEXIST;
    return -1;
}

// Makes an unnamed file in `folder` (O_TMPFILE), locked as a writer's, or
// returns -1 where the file system has no such files.
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

// Gives the unnamed file `fd` a temporary name beside `target`. False when
// the system cannot (no /proc to name the file by).
bool linkUnnamed(int fd, const std::string& target, std::string& temp)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        temp = temporaryName(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Removes from `folder` the temporary files of writers that are gone. A
// writer holds its lock on its temporary file (see lockAsWriter) for as long
// as the file has a name, so a file whose lock can be taken was left by a
// killed run. Where the file system has no locks, only a file untouched for
// a day is taken for left.
void removeAbandonedTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryFileName(entry->d_name))
            continue;
        const std::string path = joinPath(folder, entry->d_name);
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held {}, named {};
        if (fd.get() < 0 || ::fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode))
            continue;
        if (!lockAsWriter(fd.get()) && (errno == EWOULDBLOCK || std::time(nullptr) - held.st_mtime < 24 * 60 * 60))
            continue;
        // Still the same file under that name: not renamed into place meanwhile.
        if (::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// Writes `bytes` to a temporary file, flushes it to disk and renames it over
// the target. Returns false, having changed nothing, when the folder refuses
// a new file; throws FileError, leaving no temporary file, on other failures.
// The file has no name until it is complete (O_TMPFILE, where the file
// system has it): a run killed while writing leaves nothing behind; only a
// kill between the file's naming and its rename leaves a temporary file,
// which the next write into the folder removes.
bool replaceByRename(const std::string& path, const Target& t, std::string_view bytes, const WriteFunction& write)
{
    const std::string folder = parentFolder(t.path);
    removeAbandonedTemporaries(folder);
    // Writes the bytes, gives the file the old one's owner and mode, and
    // flushes it; returns 0 or the error.
    const auto fill = [&](int fd) -> int {
        if (int error = writeAll(write, fd, bytes))
            return error;
        if (t.exists) {
            // The owner is kept where we may give the file away (as root).
            if (t.st.st_uid != ::geteuid() || t.st.st_gid != ::getegid())
                (void)!::fchown(fd, t.st.st_uid, t.st.st_gid);
            if (::fchmod(fd, t.st.st_mode & 07777) != 0)
                return errno;
        }
        return ::fsync(fd) == 0 ? 0 : errno;
    };
    std::string temp;
    Descriptor fd(createUnnamed(folder));
    if (fd.get() >= 0) {
        if (int error = fill(fd.get()))
            fail("Cannot write", path, error); // it has no name to remove
        if (!linkUnnamed(fd.get(), t.path, temp))
            fd.reset(-1); // no way to name it: a named file is written instead
    }
    if (fd.get() < 0) {
        fd.reset(createTemporary(t.path, temp));
        if (fd.get() < 0) {
            if (errno == EACCES || errno == EPERM)
                return false;
            fail("Cannot write", path, errno);
        }
        if (int error = fill(fd.get())) {
            ::unlink(temp.c_str());
            fail("Cannot write", path, error);
        }
    }
    if (::rename(temp.c_str(), t.path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail("Cannot write", path, error);
    }
    // The writer's lock goes with the descriptor, once the file has its final name.
    if (::close(fd.release()) != 0)
        fail("Cannot write", path, errno);
    // The rename itself reaches the disk with the folder.
    Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() >= 0)
        ::fsync(folderFd.get());
    return true;
}

// Overwrites the existing file itself, keeping its identity, links and
// mode. What it held is read first; if the write fails part-way it is
// written back, and the error says whether that worked.
void writeInPlace(const std::string& path, const Target& t, std::string_view bytes, const WriteFunction& write)
{
    Descriptor fd(::open(t.path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        fail("Cannot write", path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        fail("Cannot write", path, errno);
    if (!S_ISREG(st.st_mode))
        throw FileError("Cannot write \"" + path + "\": it is not a regular file");
    std::string old;
    if (int error = readToEnd(fd.get(), static_cast<std::uint64_t>(st.st_size), old))
        fail("Cannot write", path, error);

    auto replaceWith = [&](std::string_view content) -> int {
        if (::lseek(fd.get(), 0, SEEK_SET) != 0)
            return errno;
        if (int error = writeAll(write, fd.get(), content))
            return error;
        if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0)
            return errno;
        return ::fsync(fd.get()) == 0 ? 0 : errno;
    };
    const int error = replaceWith(bytes);
    if (error == 0)
        return;
    const int restoreError = replaceWith(old);
    if (restoreError == 0)
        throw FileError("Cannot write \"" + path + "\": " + describeErrno(error) +
                        "; its old content was written back");
    throw FileError("Cannot write \"" + path + "\": " + describeErrno(error) +
                    ", and writing its old content back failed too (" + describeErrno(restoreError) +
                    "): the file may be damaged");
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    const Target t = checkTarget(path);
    // A file with other names (hard links), or in a folder that takes no new
    // file, can only be written where it is.
    const bool inPlace = t.exists && (t.st.st_nlink > 1 || !t.folderWritable);
    if (inPlace || !replaceByRename(path, t, bytes, write)) {
        if (!t.exists)
            throw FileError("Cannot write \"" + path + "\": the folder \"" + parentFolder(t.path) +
                            "\" is read-only");
        writeInPlace(path, t, bytes, write);
    }
}

} // namespace rota
