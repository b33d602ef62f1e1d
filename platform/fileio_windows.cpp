#include "platform/fileio.h"

#include "platform/descriptor.h"

#include "platform/windowserror.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace rota {

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path, int error)
{
    throw FileError(what + " \"" + path + "\": " + std::strerror(error));
}

[[noreturn]] void failSystem(const std::string& what, const std::string& path, DWORD error)
{
    throw FileError(what + " \"" + path + "\": " + describeSystemError(error));
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool missing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}


int openFile(const std::string& path, int flags)
{
    int fd = -1;
    ::_sopen_s(&fd, path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    return fd;
}

// Reads the rest of the file from the descriptor's offset. Returns 0 or the error.
int readAll(int fd, std::string& bytes)
{
    char buffer[1 << 16];
    for (;;) {
        const int n = ::_read(fd, buffer, sizeof buffer);
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// Opens `path` for reading and gives its descriptor and size, or -1 for a
// missing file when that is no error. Throws FileError.
int openRegularFile(const std::string& path, bool missingIsError, std::uint64_t& size)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && missing(::GetLastError()) && !missingIsError)
        return -1;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        fail("Cannot read", path, EISDIR);
    Descriptor fd(openFile(path, _O_RDONLY));
    if (fd.get() < 0)
        fail("Cannot open", path, errno);
    struct _stat64 st {};
    if (::_fstat64(fd.get(), &st) != 0)
        fail("Cannot read", path, errno);
    if ((st.st_mode & _S_IFMT) != _S_IFREG)
        throw FileError("Cannot read \"" + path + "\": it is not a regular file");
    size = static_cast<std::uint64_t>(st.st_size);
    return fd.release();
}

std::optional<std::string> readRegularFile(const std::string& path, bool missingIsError)
{
    std::uint64_t size = 0;
    Descriptor fd(openRegularFile(path, missingIsError, size));
    if (fd.get() < 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    if (int error = readAll(fd.get(), bytes))
        fail("Cannot read", path, error);
    return bytes;
}

} // namespace

void closeDescriptor(int fd)
{
    ::_close(fd);
}

FileReader::FileReader(const std::string& path) : path_(path), fd_(openRegularFile(path, true, size_)) {}

std::size_t FileReader::read(char* buffer, std::size_t capacity)
{
    const int n = ::_read(fd_.get(), buffer, static_cast<unsigned>(std::min<std::size_t>(capacity, INT_MAX)));
    if (n < 0)
        fail("Cannot read", path_, errno);
    return static_cast<std::size_t>(n);
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
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isDirectory(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string parentFolder(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
    if (slash == 0 || (slash == 2 && path[1] == ':'))
        return path.substr(0, slash + 1); // "\" or "C:\"
    return path.substr(0, slash);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (isSeparator(folder.back()))
        return folder + name;
    return folder + "\\" + name;
}

namespace {

int writeAll(const WriteFunction& write, int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t size = std::min<std::size_t>(bytes.size() - done, INT_MAX);
        const ssize_t n = write ? write(fd, bytes.data() + done, size)
                                : ::_write(fd, bytes.data() + done, static_cast<unsigned>(size));
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Where a write of `path` goes, and what is there now. A file's read-only
// attribute makes it read-only. A folder's does not (Windows itself ignores
// it, and Explorer sets it on folders it shows in its own way): whether a
// folder takes new files is learnt by making one.
struct Target {
    bool exists = false;
    DWORD links = 1;
};

Target checkTarget(const std::string& path)
{
    Target t;
    const std::string folder = parentFolder(path);
    const DWORD folderAttributes = ::GetFileAttributesA(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES)
        failSystem("Cannot write", path, ::GetLastError());
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        fail("Cannot write", path, ENOTDIR);

    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (!missing(error))
            failSystem("Cannot write", path, error);
        return t;
    }
    t.exists = true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw FileError("Cannot write \"" + path + "\": it is a folder, not a file");
    HANDLE file = ::CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        failSystem("Cannot write", path, ::GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    if (!disk)
        throw FileError("Cannot write \"" + path + "\": it is not a regular file");
    t.links = info.nNumberOfLinks;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        throw FileError("Cannot write \"" + path + "\": the file is read-only");
    return t;
}

// Removes from `folder` the temporary files that killed runs left: those
// untouched for an hour (a write takes far less).
void removeAbandonedTemporaries(const std::string& folder)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA(joinPath(folder, "*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr unsigned long long kHour = 60ULL * 60 * 10'000'000; // in 100 ns ticks
    do {
        // (A time ahead of ours, from a share's clock, is no age.)
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && isTemporaryFileName(found.cFileName) &&
            ticks(now) > ticks(found.ftLastWriteTime) + kHour)
            ::DeleteFileA(joinPath(folder, found.cFileName).c_str());
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

// Writes `bytes` to a temporary file, flushes it to disk and moves it over
// the target. Returns false, having changed nothing, when the folder refuses
// a new file; throws FileError, leaving no temporary file, on other failures.
bool replaceByRename(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    removeAbandonedTemporaries(parentFolder(path));
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 1000 && fd < 0; ++attempt) {
        temp = path + "." + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        fd = openFile(temp, _O_WRONLY | _O_CREAT | _O_EXCL);
        if (fd < 0 && errno != EEXIST) {
            if (errno == EACCES)
                return false;
            fail("Cannot write", path, errno);
        }
    }
    if (fd < 0)
        fail("Cannot write", path, EEXIST);
    Descriptor file(fd);
    auto discard = [&](int error) {
        ::_close(file.release());
        ::_unlink(temp.c_str());
        fail("Cannot write", path, error);
    };
    if (int error = writeAll(write, file.get(), bytes))
        discard(error);
    if (::_commit(file.get()) != 0)
        discard(errno);
    if (::_close(file.release()) != 0) {
        const int error = errno;
        ::_unlink(temp.c_str());
        fail("Cannot write", path, error);
    }
    if (!::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::_unlink(temp.c_str());
        failSystem("Cannot write", path, error);
    }
    return true;
}

// Overwrites the existing file itself, keeping its identity and links. What
// it held is read first; if the write fails part-way it is written back, and
// the error says whether that worked.
void writeInPlace(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    Descriptor fd(openFile(path, _O_RDWR));
    if (fd.get() < 0)
        fail("Cannot write", path, errno);
    std::string old;
    if (int error = readAll(fd.get(), old))
        fail("Cannot write", path, error);

    auto replaceWith = [&](std::string_view content) -> int {
        if (::_lseeki64(fd.get(), 0, SEEK_SET) != 0)
            return errno;
        if (int error = writeAll(write, fd.get(), content))
            return error;
        if (int error = ::_chsize_s(fd.get(), static_cast<long long>(content.size())))
            return error;
        return ::_commit(fd.get()) == 0 ? 0 : errno;
    };
    const int error = replaceWith(bytes);
    if (error == 0)
        return;
    const int restoreError = replaceWith(old);
    if (restoreError == 0)
        throw FileError("Cannot write \"" + path + "\": " + std::strerror(error) +
                        "; its old content was written back");
    throw FileError("Cannot write \"" + path + "\": " + std::strerror(error) +
                    ", and writing its old content back failed too (" + std::strerror(restoreError) +
                    "): the file may be damaged");
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    const Target t = checkTarget(path);
    // A file with other names (hard links) can only be written where it is,
    // and so can one in a folder that takes no new file (the rename fails).
    const bool inPlace = t.exists && t.links > 1;
    if (inPlace || !replaceByRename(path, bytes, write)) {
        if (!t.exists)
            throw FileError("Cannot write \"" + path + "\": the folder \"" + parentFolder(path) + "\" is read-only");
        writeInPlace(path, bytes, write);
    }
}

} // namespace rota
