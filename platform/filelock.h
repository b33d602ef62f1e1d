// Advisory locks that serialise read-change-write cycles of a file between
// processes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace rota {

// Holds a lock on `path` from construction to destruction. The lock is taken
// on a lock file "<path>.lock" beside it, made on first use and never
// removed: the file itself is replaced by a rename at each save, so a lock
// on it would be left behind with the old file. The lock is advisory: it
// keeps out only those who take it too.
//
// Exclusive locks exclude each other and shared ones; shared locks only
// exclude exclusive ones. Taking a lock waits until it is free. Two FileLock
// objects exclude each other even in one process and one thread (so a
// thread must not lock a file it already holds).
class FileLock {
public:
    enum Mode { Exclusive, Shared };

    // Throws FileError, naming the lock file, when it cannot be made or
    // opened, or the lock cannot be taken.
    FileLock(const std::string& path, Mode mode) { take(path, mode, true); }
    ~FileLock();

    // An exclusive lock on `path` if no one holds a lock on it, else
    // nothing: it does not wait. Throws FileError as the constructor does.
    static std::unique_ptr<FileLock> tryExclusive(const std::string& path)
    {
        std::unique_ptr<FileLock> lock(new FileLock());
        return lock->take(path, Exclusive, false) ? std::move(lock) : nullptr;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The lock file used for `path`.
    static std::string lockFilePath(const std::string& path) { return path + ".lock"; }

private:
    FileLock() = default;
    // Takes the lock; when `wait` is false and the lock is held, returns
    // false holding nothing.
    bool take(const std::string& path, Mode mode, bool wait);

    // The open lock file: a file descriptor, or a HANDLE on Windows.
    std::intptr_t native_ = -1;
};

} // namespace rota
