#include "platform/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

namespace {

std::optional<std::string> readRegularFile(const std::string& path, bool missingIsError)
{
    // Opened without blocking, so that a pipe or device cannot hang us; only
    // regular files are read.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT && !missingIsError)
            return std::nullopt;
        fail("Cannot open", path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        fail("Cannot read", path, errno);
    if (S_ISDIR(st.st_mode))
        fail("Cannot read", path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError("Cannot read \"" + path + "\": it is not a regular file");

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot read", path, errno);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace

std::string readFileBytes(const std::string& path)
{
    return *readRegularFile(path, true);
}

std::optional<std::string> readFileIfPresent(const std::string& path)
{
    return readRegularFile(path, false);
}

FileStamp fileStamp(const std::string& path)
{
    FileStamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return stamp;
    constexpr std::int64_t kBillion = 1000000000;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.file = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * kBillion + st.st_mtim.tv_nsec;
    stamp.changed = static_cast<std::int64_t>(st.st_ctim.tv_sec) * kBillion + st.st_ctim.tv_nsec;
    return stamp;
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

void ensureWritable(const std::string& path)
{
    const std::string folder = parentFolder(path);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        fail("Cannot write", path, errno);
    if (!S_ISDIR(st.st_mode))
        fail("Cannot write", path, ENOTDIR);
    if (hasNoWriteBits(st) || ::access(folder.c_str(), W_OK) != 0)
        throw FileError("Cannot write \"" + path + "\": the folder \"" + folder + "\" is read-only");

    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw FileError("Cannot write \"" + path + "\": it is a folder, not a file");
        if (!S_ISREG(st.st_mode))
            throw FileError("Cannot write \"" + path + "\": it is not a regular file");
        if (hasNoWriteBits(st) || ::access(path.c_str(), W_OK) != 0)
            throw FileError("Cannot write \"" + path + "\": the file is read-only");
    }
}

void writeFileAtomically(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    ensureWritable(path);

    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;

    std::string temp = path + ".XXXXXX";
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        fail("Cannot write", path, errno);

    auto discard = [&](int error) {
        ::close(fd.release());
        ::unlink(temp.c_str());
        fail("Cannot write", path, error);
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write ? write(fd.get(), bytes.data() + done, bytes.size() - done)
                          : ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            discard(errno);
        }
        if (n == 0)
            discard(ENOSPC);
        done += static_cast<std::size_t>(n);
    }

    const mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
    if (::fchmod(fd.get(), mode) != 0)
        discard(errno);
    if (::fsync(fd.get()) != 0)
        discard(errno);
    if (::close(fd.release()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        fail("Cannot write", path, error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        fail("Cannot write", path, error);
    }
}

} // namespace rota
