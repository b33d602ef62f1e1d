// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include <cstddef>
#include <functional>
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

// True when `path` names an existing file or folder.
bool pathExists(const std::string& path);

// True when `path` names an existing folder.
bool isDirectory(const std::string& path);

// Throws FileError unless a file may be written at `path`: the folder must
// exist and be writable, and an existing file must be a regular file that
// is not read-only. A file or folder whose write permission bits are all clear
// counts as read-only, like the read-only attribute on Windows, even for a
// user (such as root) whom the system itself would let write.
void ensureWritable(const std::string& path);

// The system call used to write a block of bytes; tests swap in one that fails.
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was.
// The bytes go to a temporary file in the same folder, which is flushed to
// disk and then renamed over the target; an existing file's permissions are
// kept. Throws FileError (naming `path`) on any failure; the temporary file
// is removed then.
void writeFileAtomically(const std::string& path, std::string_view bytes,
                         const WriteFunction& write = {});

// The folder part of `path` ("." when it has none).
std::string parentFolder(const std::string& path);

// `folder` and `name` joined with one separator.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace rota
