// INI files with the semantics of the Windows private-profile functions:
// section and key names match without regard to case (ASCII), blanks around
// names and values are ignored, a value enclosed in matching quotes loses
// them, the first of duplicate keys wins, a new key goes after the last
// non-blank line of its section, a new section goes at the end of the file,
// and the file is created on the first write.
#pragma once

#include "platform/fileio.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

// The text of one INI file held in memory, line for line as on disk.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Reads `path`; a missing file gives an empty IniFile.
    // Throws FileError when the file exists but cannot be read (a folder,
    // no permission), and when it is not 8-bit text: it holds a zero byte or
    // starts with a UTF-16 byte order mark (FF FE or FE FF). The message
    // names the file and says why; such a file is never rewritten.
    static IniFile load(const std::string& path);

    // Returns the value of `key` in `section`, or "" when the section, the
    // key or the value is absent.
    std::string readString(std::string_view section, std::string_view key) const;

    // Sets `key` in `section` to `value`: replaces the line of an existing
    // key, else adds "key=value" to the section, adding the section when
    // needed. Marks the file changed only when its text changes.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    // True after a writeString that changed the text.
    bool changed() const { return changed_; }

    // Saves the text to `path` (CR LF line ends) if it changed, atomically.
    // Throws FileError; the file on disk is then left as it was.
    void save(const std::string& path);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    struct Found {
        std::size_t sectionLine; // index of the "[name]" line, or npos
        std::size_t keyLine;     // index of the key's line, or npos
        std::size_t insertAt;    // where a new key of the section goes
        std::size_t valueAt;     // offset of the key line's value
    };
    Found find(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_;
    bool changed_ = false;
};

// The name of the section a "[name]" line opens (blanks around the line and
// the name ignored), or nothing for any other line.
std::optional<std::string_view> iniSectionName(std::string_view line);

// Reads `path`, runs `change` on its content and saves the result if it
// changed (atomically), all under an exclusive lock of the file (FileLock),
// so that read-change-write cycles of several processes never lose one
// another's changes. A missing file starts empty and is created only if
// `change` writes something. Throws FileError (see IniFile::load and
// FileLock); the file is then left as it was. Exceptions from `change`
// pass through, and nothing is saved.
void updateIniFile(const std::string& path, const std::function<void(IniFile&)>& change);

// Reads `path` for looking only, under a shared lock of the file: it waits
// for an updateIniFile in progress, so it never sees a file that is being
// written in place. Where no lock file can be made (a read-only folder) it
// reads without the lock. Throws FileError as IniFile::load does.
IniFile readIniFile(const std::string& path);

} // namespace rota
