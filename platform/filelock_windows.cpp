#include "platform/filelock.h"

#include "platform/fileio.h"
#include "platform/windowserror.h"

#include <windows.h>

namespace rota {

bool FileLock::take(const std::string& path, Mode mode, bool wait)
{
    const std::string lockPath = lockFilePath(path);
    HANDLE file = ::CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        file = ::CreateFileA(lockPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw FileError("Cannot make the lock file \"" + lockPath + "\": " + describeSystemError(::GetLastError()));
    OVERLAPPED whole{};
    const DWORD flags = (mode == Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0) | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (!::LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &whole)) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        if (error == ERROR_LOCK_VIOLATION && !wait)
            return false;
        throw FileError("Cannot lock \"" + lockPath + "\": " + describeSystemError(error));
    }
    native_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

FileLock::~FileLock()
{
    if (native_ == -1)
        return;
    OVERLAPPED whole{};
    ::UnlockFileEx(reinterpret_cast<HANDLE>(native_), 0, MAXDWORD, MAXDWORD, &whole);
    ::CloseHandle(reinterpret_cast<HANDLE>(native_));
}

} // namespace rota
