// File reads, whole or a piece at a time, and crash-safe whole-file writes.
#pragma once

#include "common/textlines.h"
#include "platform/descriptor.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace rota {

// Any failure to read or write a file; what() names the file and the cause.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns the whole content of `path` as bytes.
// Throws FileError if the file is missing, is a folder or cannot be read.
std::string readFileBytes(const std::string& path);

// As readFileBytes, but a file that does not exist (nor the folder it would
// be in) gives no value instead of an error.
std::optional<std::string> readFileIfPresent(const std::string& path);

// A regular file read from its start to its end, a piece at a time.
class FileReader {
public:
    // Opens `path`. Throws FileError as readFileBytes does.
    explicit FileReader(const std::string& path);

    // The file's size when it was opened.
    std::uint64_t size() const { return size_; }

    // Reads the next bytes of the file, at most `capacity` of them, into
    // `buffer`. Returns how many; 0 at the end. Throws FileError.
    std::size_t read(char* buffer, std::size_t capacity);

private:
    std::string path_;
    std::uint64_t size_ = 0;
    Descriptor fd_;
};

// The lines of the file at `path`, read a piece at a time (see LineReader).
// Throws FileError as readFileBytes does, and when a read fails.
LineReader readFileLines(const std::string& path, std::size_t pieceSize = kLinePieceSize);

// True when `path` names an existing file or folder.
bool pathExists(const std::string& path);

// True when `path` names an existing folder.
bool isDirectory(const std::string& path);

// The system call used to write a block of bytes at a descriptor's offset;
// tests swap in one that fails.
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Replaces the content of the file at `path` with `bytes`, or leaves it
// exactly as it was. A symbolic link is followed to its final target (a
// dangling one makes it), and stays a link.
//
// Usually the bytes go to a temporary file in the target's folder, which is
// flushed to disk and then renamed over the target: a failure at any point
// leaves the old file whole. A new file gets the usual mode (0666 less the
// umask); an existing file's permissions are kept.
//
// A file with more than one hard link, or in a folder that takes no new
// file, is written in place, so that it stays the same file: its old
// content is read first, and if the write fails part-way it is written back.
//
// A file that is no regular file or is read-only, or a missing folder, is
// refused before anything is written. A file or folder whose write
// permission bits are all clear counts as read-only, like the read-only
// attribute on Windows, even for a user (such as root) whom the system
// itself would let write.
//
// Throws FileError (naming `path`) on any failure, saying when the old
// content had to be written back and whether that failed; no temporary file
// is left behind. A run killed while writing may leave one (see
// isTemporaryFileName); each later write into the folder removes those
// whose writer is gone (on Windows, those an hour old).
void writeFileAtomically(const std::string& path, std::string_view bytes,
                         const WriteFunction& write = {});

// True for the name of a temporary file that writeFileAtomically makes
// beside its target: "<target>.<digits>-<digits>.tmp".
inline bool isTemporaryFileName(std::string_view name)
{
    constexpr std::string_view tail = ".tmp";
    if (!name.ends_with(tail))
        return false;
    name.remove_suffix(tail.size());
    const std::size_t dot = name.rfind('.');
    const std::size_t dash = name.rfind('-');
    if (dot == std::string_view::npos || dash == std::string_view::npos || dash < dot + 2 || dash + 1 == name.size())
        return false;
    const auto digits = [](std::string_view text) {
        return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(name.substr(dot + 1, dash - dot - 1)) && digits(name.substr(dash + 1));
}

// The folder part of `path` ("." when it has none).
std::string parentFolder(const std::string& path);

// `folder` and `name` joined with one separator.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace rota
