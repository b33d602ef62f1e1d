// INI files read as the Windows private-profile functions read them
// (GetPrivateProfileStringA; tests/wine/profilecompare.cpp holds the two
// side by side under Wine):
// - a UTF-8 byte order mark at the start is passed over (and kept when the
//   file is saved again); the other bytes are taken as they stand, where
//   Windows would turn the UTF-8 into its ANSI code page;
// - lines end at CR, LF or both; blanks (space, tab, vertical tab, form
//   feed and the DOS end-of-file byte 0x1A) around a line are ignored;
// - a line that starts with "[" and holds a "]" opens the section named by
//   the text between the "[" and the last "]", less blanks; what follows
//   that "]" on the line ("[Schedule Data] ; 2005") is ignored;
// - any other line is an entry: its key is the text before its first "="
//   and its value the text after it, each without the blanks around it; a
//   line without "=" is a key without a value. There are no comments: a
//   line ";x=1" is the key ";x", and "Sox ; 1913" a value;
// - entries before the first section header form a section of the empty
//   name;
// - section and key names match without regard to the case of ASCII
//   letters; the first of duplicate sections, and in it the first of
//   duplicate keys, is the one read (a later section of the same name is
//   never read);
// - a value enclosed in matching quotes (" or ') loses them, and a value is
//   cut to the 2047 bytes that a 2048-byte buffer holds.
// A new key goes after the last non-blank line of its section, a new section
// at the end of the file, and the file is created on the first write.
#pragma once

#include "platform/fileio.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

// An entry as the private-profile functions read it.
struct IniEntry {
    std::size_t line;  // its index in IniFile::lines()
    std::string key;   // the text before the first "=", without the blanks around it
    std::string value; // as readString gives it ("" when the line has no "=")
};

// A section as the private-profile functions read it.
struct IniSection {
    std::string name;              // between the brackets, less blanks; "" before the first header
    std::size_t line;              // index of its header, or npos for the nameless section
    std::vector<IniEntry> entries; // in file order, the first of each key only
    std::size_t end;               // where a new entry goes: after its last line that is not blank
};

// The text of one INI file held in memory, line for line as on disk, and
// what a lookup reads of it.
class IniFile {
public:
    IniFile() : IniFile(std::vector<std::string>{}) {}
    explicit IniFile(std::vector<std::string> lines, bool byteOrderMark = false);

    // Reads `path`; a missing file gives an empty IniFile.
    // Throws FileError when the file exists but cannot be read (a folder,
    // no permission), and when it is not 8-bit text: it holds a zero byte or
    // starts with a UTF-16 byte order mark (FF FE or FE FF). The message
    // names the file and says why; such a file is never rewritten.
    static IniFile load(const std::string& path);

    // The sections a lookup can find, in file order, the nameless one first:
    // the first section of each name (a later one of the same name is never
    // read). They change with the text.
    const std::vector<IniSection>& sections() const { return sections_; }

    // The section `name` (blanks around it ignored, any case), or null.
    const IniSection* section(std::string_view name) const;

    // The entry of `key` in `section`, as readString finds it, or null.
    const IniEntry* entry(std::string_view section, std::string_view key) const;

    // Returns the value of `key` in `section`, or "" when the section, the
    // key or the value is absent.
    std::string readString(std::string_view section, std::string_view key) const;

    // Sets `key` in `section` to `value`: replaces the line of an existing
    // key, else adds "key=value" to the section, adding the section when
    // needed. Marks the file changed only when its text changes.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    // True after a writeString that changed the text.
    bool changed() const { return changed_; }

    // Saves the text to `path` (CR LF line ends, after the UTF-8 byte order
    // mark when the file had one) if it changed, atomically.
    // Throws FileError; the file on disk is then left as it was.
    void save(const std::string& path);

    // The lines, without the byte order mark.
    const std::vector<std::string>& lines() const { return lines_; }

    // True when the file started with a UTF-8 byte order mark.
    bool byteOrderMark() const { return byteOrderMark_; }

private:
    // Reads the sections and entries of the lines anew.
    void index();

    std::vector<std::string> lines_;
    std::vector<IniSection> sections_;
    bool byteOrderMark_ = false;
    bool changed_ = false;
};

// `text` without the blanks the private-profile functions ignore around
// lines, names and values: space, tab, vertical tab, form feed and 0x1A.
std::string_view trimIniBlanks(std::string_view text);

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
