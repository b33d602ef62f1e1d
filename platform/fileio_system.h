// What the file functions of fileio.cpp ask of the system, one
// implementation per system (fileio_posix.cpp, fileio_windows.cpp). Files
// are held by the C runtime's descriptors; only platform/ includes this.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <system_error>

namespace rota::sys {

// The C runtime's last error (errno).
inline std::error_code lastError()
{
    return {errno, std::generic_category()};
}

void closeFile(int fd);

// An open descriptor, closed when the object goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(-1); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes the descriptor held, if any, and holds `fd`.
    void reset(int fd)
    {
        if (fd_ >= 0)
            closeFile(fd_);
        fd_ = fd;
    }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

enum class Kind { Missing, Regular, Folder, Other };

// Opens the file at `path` for reading, or for reading and writing, without
// waiting on a pipe or device. Returns -1 and sets `error` when it cannot:
// errc::no_such_file_or_directory for a missing file, errc::is_a_directory
// for a folder (where the system opens none).
int openFile(const std::string& path, bool forWriting, std::error_code& error);

// The kind and size of the open file `fd`.
std::error_code describeFile(int fd, Kind& kind, std::uint64_t& size);

// Reads at most `capacity` bytes at the file's offset: how many (0 at its
// end), or -1 with `error` set.
long readFile(int fd, char* buffer, std::size_t capacity, std::error_code& error);

// Writes at most `size` bytes at the file's offset: how many, or -1 with
// errno set. (What a WriteFunction stands in for.)
ssize_t writeFile(int fd, const void* data, std::size_t size);

// Moves the offset to the start; cuts the file to `size` bytes; makes its
// bytes reach the disk.
std::error_code rewindFile(int fd);
std::error_code truncateFile(int fd, std::uint64_t size);
std::error_code flushFile(int fd);

void removeFile(const std::string& path);

std::uint32_t processId();

// Where a write of a path goes, and what is there now.
struct Target {
    std::string path;   // the path through its symbolic links, where they are followed
    std::string folder; // the folder that holds it
    Kind kind = Kind::Missing;
    bool readOnly = false;        // a file whose write bits are all clear, or the system's read-only one
    std::uint32_t links = 1;      // its names (hard links)
    bool folderTakesFiles = true; // false where the folder is known to take no new file
};

// Fills `target` for a write of `path`: an error when its folder is missing
// or no folder, or either cannot be looked at.
std::error_code examineTarget(const std::string& path, Target& target);

// Makes the new file `path` (its name must be free: errc::file_exists
// otherwise), mode 0666 less the umask, holding the writer's lock on it
// (see removeAbandonedTemporaries). -1 with `error` set when it cannot.
int createTemporary(const std::string& path, std::error_code& error);

// Makes a file in `folder` that has no name yet, holding the writer's lock
// on it, or gives -1 where the system or file system cannot.
int createUnnamed(const std::string& folder);

// Gives the unnamed file `fd` the name `path`. False, with `error` set,
// when it cannot.
bool nameUnnamed(int fd, const std::string& path, std::error_code& error);

// Gives the file `fd`, which is to replace the file at `target`, that
// file's owner and mode where the system has them.
std::error_code adoptOwnerAndMode(int fd, const std::string& target);

// Renames the temporary file `temporary`, open at `fd`, over the target
// and closes `fd`; the writer's lock is held until the file has its final
// name where the system lets an open file be renamed. On failure `fd` may
// be closed, and `temporary` is still there.
std::error_code renameOver(Descriptor& fd, const std::string& temporary, const Target& target);

// Removes from `folder` the temporary files (see isTemporaryFileName) that
// killed writers left: those whose writer's lock can be taken (on Windows,
// which has no such locks, those untouched for an hour).
void removeAbandonedTemporaries(const std::string& folder);

} // namespace rota::sys
