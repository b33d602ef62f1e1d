#include "platform/fileio.h"

#include "platform/fileio_system.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>

namespace rota {

using sys::Descriptor;

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path, const std::error_code& error)
{
    throw FileError(what + " \"" + path + "\": " + error.message());
}

// Opens `path` for reading and gives its descriptor and size, or -1 for a
// missing file when that is no error. Throws FileError.
int openRegularFile(const std::string& path, bool missingIsError, std::uint64_t& size)
{
    std::error_code error;
    Descriptor fd(sys::openFile(path, false, error));
    if (fd.get() < 0) {
        if (error == std::errc::no_such_file_or_directory && !missingIsError)
            return -1;
        fail(error == std::errc::is_a_directory ? "Cannot read" : "Cannot open", path, error);
    }
    sys::Kind kind;
    if ((error = sys::describeFile(fd.get(), kind, size)))
        fail("Cannot read", path, error);
    if (kind == sys::Kind::Folder)
        fail("Cannot read", path, std::make_error_code(std::errc::is_a_directory));
    if (kind != sys::Kind::Regular)
        throw FileError("Cannot read \"" + path + "\": it is not a regular file");
    return fd.release();
}

// Reads the file at `fd` from its offset to its end into `bytes`, straight
// into the string, which starts in the size the file has now (`size`); a
// file that grows meanwhile is read on to its end.
std::error_code readToEnd(int fd, std::uint64_t size, std::string& bytes)
{
    bytes.assign(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t done = 0;
    for (std::error_code error;;) {
        if (done == bytes.size())
            bytes.resize(bytes.size() * 2);
        const long n = sys::readFile(fd, bytes.data() + done, bytes.size() - done, error);
        if (n < 0)
            return error;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return {};
}

std::optional<std::string> readRegularFile(const std::string& path, bool missingIsError)
{
    std::uint64_t size = 0;
    Descriptor fd(openRegularFile(path, missingIsError, size));
    if (fd.get() < 0)
        return std::nullopt;
    std::string bytes;
    if (const std::error_code error = readToEnd(fd.get(), size, bytes))
        fail("Cannot read", path, error);
    return bytes;
}

// A regular file read from its start to its end, a piece at a time.
class FileReader {
public:
    explicit FileReader(const std::string& path) : path_(path), fd_(openRegularFile(path, true, size_)) {}
    std::uint64_t size() const { return size_; }
    std::size_t read(char* buffer, std::size_t capacity)
    {
        std::error_code error;
        const long n = sys::readFile(fd_.get(), buffer, capacity, error);
        if (n < 0)
            fail("Cannot read", path_, error);
        return static_cast<std::size_t>(n);
    }

private:
    std::string path_;
    std::uint64_t size_ = 0;
    Descriptor fd_;
};

// Writes all of `bytes` at the descriptor's offset through `write` (the
// system's write when empty).
std::error_code writeAll(const WriteFunction& write, int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t size = std::min<std::size_t>(bytes.size() - done, INT_MAX);
        const ssize_t n = write ? write(fd, bytes.data() + done, size) : sys::writeFile(fd, bytes.data() + done, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return sys::lastError();
        if (n == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        done += static_cast<std::size_t>(n);
    }
    return {};
}

// The name of a temporary file for `target`: "<target>.<pid>-<n>.tmp".
std::string temporaryName(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(sys::processId()) + "-" + std::to_string(counter++) + ".tmp";
}

// Sets `temp` to one temporary name for `target` after another until `make`
// succeeds with one: false, `make` having set `error`, when it fails for
// another reason than a name that is taken.
template <typename Make>
bool onFreeName(const std::string& target, std::string& temp, std::error_code& error, const Make& make)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        temp = temporaryName(target);
        if (make())
            return true;
        if (error != std::errc::file_exists)
            return false;
    }
    return false;
}

// Closes the temporary file and removes it, then fails.
[[noreturn]] void discard(Descriptor& fd, const std::string& temporary, const std::string& path,
                          const std::error_code& error)
{
    fd.reset(-1);
    sys::removeFile(temporary);
    fail("Cannot write", path, error);
}

// Writes `bytes` to a temporary file, flushes it to disk and renames it over
// the target. Returns false, having changed nothing, when the folder refuses
// a new file; throws FileError, leaving no temporary file, on other failures.
// Where the system can, the file has no name until it is complete: a run
// killed while writing leaves nothing behind; only a kill between the
// file's naming and its rename leaves a temporary file, which the next
// write into the folder removes.
bool replaceByRename(const std::string& path, const sys::Target& t, std::string_view bytes, const WriteFunction& write)
{
    sys::removeAbandonedTemporaries(t.folder);
    // Writes the bytes, gives the file the old one's owner and mode, and
    // flushes it.
    const auto fill = [&](int fd) -> std::error_code {
        if (const std::error_code error = writeAll(write, fd, bytes))
            return error;
        if (t.kind == sys::Kind::Regular)
            if (const std::error_code error = sys::adoptOwnerAndMode(fd, t.path))
                return error;
        return sys::flushFile(fd);
    };
    std::string temp;
    std::error_code error;
    Descriptor fd(sys::createUnnamed(t.folder));
    if (fd.get() >= 0) {
        if ((error = fill(fd.get())))
            fail("Cannot write", path, error); // it has no name to remove
        if (!onFreeName(t.path, temp, error, [&] { return sys::nameUnnamed(fd.get(), temp, error); }))
            fd.reset(-1); // no way to name it: a named file is written instead
    }
    if (fd.get() < 0) {
        const auto create = [&] {
            fd.reset(sys::createTemporary(temp, error));
            return fd.get() >= 0;
        };
        if (!onFreeName(t.path, temp, error, create)) {
            if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
                return false;
            fail("Cannot write", path, error);
        }
        if ((error = fill(fd.get())))
            discard(fd, temp, path, error);
    }
    if ((error = sys::renameOver(fd, temp, t)))
        discard(fd, temp, path, error);
    return true;
}

// Overwrites the existing file itself, keeping its identity, links and
// mode. What it held is read first; if the write fails part-way it is
// written back, and the error says whether that worked.
void writeInPlace(const std::string& path, const std::string& target, std::string_view bytes,
                  const WriteFunction& write)
{
    std::error_code error;
    Descriptor fd(sys::openFile(target, true, error));
    if (fd.get() < 0)
        fail("Cannot write", path, error);
    sys::Kind kind;
    std::uint64_t size = 0;
    if ((error = sys::describeFile(fd.get(), kind, size)))
        fail("Cannot write", path, error);
    if (kind != sys::Kind::Regular)
        throw FileError("Cannot write \"" + path + "\": it is not a regular file");
    std::string old;
    if ((error = readToEnd(fd.get(), size, old)))
        fail("Cannot write", path, error);

    const auto replaceWith = [&](std::string_view content) -> std::error_code {
        std::error_code error = sys::rewindFile(fd.get());
        if (!error)
            error = writeAll(write, fd.get(), content);
        if (!error)
            error = sys::truncateFile(fd.get(), content.size());
        return error ? error : sys::flushFile(fd.get());
    };
    if (!(error = replaceWith(bytes)))
        return;
    const std::error_code restoreError = replaceWith(old);
    if (!restoreError)
        throw FileError("Cannot write \"" + path + "\": " + error.message() + "; its old content was written back");
    throw FileError("Cannot write \"" + path + "\": " + error.message() +
                    ", and writing its old content back failed too (" + restoreError.message() +
                    "): the file may be damaged");
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

LineReader readFileLines(const std::string& path, std::size_t pieceSize)
{
    auto file = std::make_shared<FileReader>(path);
    const std::uint64_t size = file->size();
    return LineReader([file](char* buffer, std::size_t capacity) { return file->read(buffer, capacity); }, size,
                      pieceSize);
}

void writeFileAtomically(const std::string& path, std::string_view bytes, const WriteFunction& write)
{
    sys::Target t;
    if (const std::error_code error = sys::examineTarget(path, t))
        fail("Cannot write", path, error);
    const auto refuse = [&](const std::string& why) { throw FileError("Cannot write \"" + path + "\": " + why); };
    const std::string folderReadOnly = "the folder \"" + t.folder + "\" is read-only";
    if (t.kind == sys::Kind::Folder)
        refuse("it is a folder, not a file");
    if (t.kind == sys::Kind::Other)
        refuse("it is not a regular file");
    if (t.kind == sys::Kind::Regular && t.readOnly)
        refuse("the file is read-only");
    if (t.kind == sys::Kind::Missing && !t.folderTakesFiles)
        refuse(folderReadOnly);
    // A file with other names (hard links), or in a folder that takes no new
    // file, can only be written where it is.
    const bool exists = t.kind == sys::Kind::Regular;
    if ((exists && (t.links > 1 || !t.folderTakesFiles)) || !replaceByRename(path, t, bytes, write)) {
        if (!exists)
            refuse(folderReadOnly);
        writeInPlace(path, t.path, bytes, write);
    }
}

bool isTemporaryFileName(std::string_view name)
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

} // namespace rota
