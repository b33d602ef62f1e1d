#include "platform/fileio.h"
#include "platform/fileio_system.h"

#include "platform/windowserror.h"

#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace rota::sys {

namespace {

bool missing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

int open(const std::string& path, int flags, std::error_code& error)
{
    int fd = -1;
    if (::_sopen_s(&fd, path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0)
        error = lastError();
    return fd;
}

// The folder part of `path` ("." when it has none), in the path's own bytes:
// std::filesystem would give the bytes of the ANSI code page back as UTF-8.
std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
    if (slash == 0 || (slash == 2 && path[1] == ':'))
        return path.substr(0, slash + 1); // "\" or "C:\"
    return path.substr(0, slash);
}

} // namespace

void closeFile(int fd)
{
    ::_close(fd);
}

int openFile(const std::string& path, bool forWriting, std::error_code& error)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return -1;
    }
    return open(path, forWriting ? _O_RDWR : _O_RDONLY, error);
}

std::error_code describeFile(int fd, Kind& kind, std::uint64_t& size)
{
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0)
        return lastError();
    const auto type = st.st_mode & _S_IFMT;
    kind = type == _S_IFREG ? Kind::Regular : type == _S_IFDIR ? Kind::Folder : Kind::Other;
    size = static_cast<std::uint64_t>(st.st_size);
    return {};
}

long readFile(int fd, char* buffer, std::size_t capacity, std::error_code& error)
{
    const int n = ::_read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(capacity, INT_MAX)));
    if (n < 0)
        error = lastError();
    return n;
}

ssize_t writeFile(int fd, const void* data, std::size_t size)
{
    return ::_write(fd, data, static_cast<unsigned>(size));
}

std::error_code rewindFile(int fd)
{
    return ::_lseeki64(fd, 0, SEEK_SET) == 0 ? std::error_code() : lastError();
}

std::error_code truncateFile(int fd, std::uint64_t size)
{
    return {::_chsize_s(fd, static_cast<long long>(size)), std::generic_category()};
}

std::error_code flushFile(int fd)
{
    return ::_commit(fd) == 0 ? std::error_code() : lastError();
}

void removeFile(const std::string& path)
{
    ::_unlink(path.c_str());
}

std::uint32_t processId()
{
    return ::GetCurrentProcessId();
}

// A file's read-only attribute makes it read-only. A folder's does not
// (Windows itself ignores it, and Explorer sets it on folders it shows in
// its own way): whether a folder takes new files is learnt by making one.
std::error_code examineTarget(const std::string& path, Target& t)
{
    t.path = path;
    t.folder = folderOf(path);
    const DWORD folderAttributes = ::GetFileAttributesA(t.folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES)
        return windowsError(::GetLastError());
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_error_code(std::errc::not_a_directory);
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return missing(error) ? std::error_code() : windowsError(error);
    }
    t.kind = Kind::Folder;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return {};
    HANDLE file =
        ::CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return windowsError(::GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    t.kind = disk ? Kind::Regular : Kind::Other;
    t.links = info.nNumberOfLinks;
    t.readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    return {};
}

int createTemporary(const std::string& path, std::error_code& error)
{
    return open(path, _O_WRONLY | _O_CREAT | _O_EXCL, error);
}

// Windows has no files without a name, nor owners and modes to keep.
int createUnnamed(const std::string&)
{
    return -1;
}

bool nameUnnamed(int, const std::string&, std::error_code& error)
{
    error = std::make_error_code(std::errc::operation_not_supported);
    return false;
}

std::error_code adoptOwnerAndMode(int, const std::string&)
{
    return {};
}

// A file that is open here cannot be moved: it is closed first.
std::error_code renameOver(Descriptor& fd, const std::string& temporary, const Target& target)
{
    if (::_close(fd.release()) != 0)
        return lastError();
    if (!::MoveFileExA(temporary.c_str(), target.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return windowsError(::GetLastError());
    return {};
}

void removeAbandonedTemporaries(const std::string& folder)
{
    const std::string prefix = folder + (folder.back() == '/' || folder.back() == '\\' ? "" : "\\");
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((prefix + "*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr unsigned long long kHour = 60ULL * 60 * 10'000'000; // in 100 ns ticks
    do {
        // A write takes far less than an hour. (A time ahead of ours, from a
        // share's clock, is no age.)
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && isTemporaryFileName(found.cFileName) &&
            ticks(now) > ticks(found.ftLastWriteTime) + kHour)
            ::DeleteFileA((prefix + found.cFileName).c_str());
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

} // namespace rota::sys
