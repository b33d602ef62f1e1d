// File reads, whole or as lines, and crash-safe whole-file writes.
#pragma once

#include "common/textlines.h"

#include <cstddef>
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

// The lines of the file at `path`, read a piece at a time (see LineReader).
// Throws FileError as readFileBytes does, and when a read fails.
LineReader readFileLines(const std::string& path, std::size_t pieceSize = kLinePieceSize);

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
void writeFileAtomically(const std::string& path, std::string_view bytes, const WriteFunction& write = {});

// True for the name of a temporary file that writeFileAtomically makes
// beside its target: "<target>.<digits>-<digits>.tmp".
bool isTemporaryFileName(std::string_view name);

} // namespace rota
