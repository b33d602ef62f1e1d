// The team table as the user edits it: the lines of "rota.ini", and its
// entries as the INI store reads them, one at a time getting a new name.
// Edits are kept by section and key, and applied to the file as it is when
// they are saved, so that entries another program added meanwhile survive.
#pragma once

#include "config/inifile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rota {

struct TeamEntry {
    std::string section; // the section the entry stands in
    std::string key;     // as the INI store reads it
    std::string value;   // the name, as the lookup of the key reads it
};

class TeamTable {
public:
    // Shows the lines of the file at `path` (no lines when it is missing),
    // with the edits not saved yet applied. Throws FileError.
    void load(const std::string& path);

    const std::vector<std::string>& lines() const { return file_.lines(); }

    // The entry on line `index`, or nothing for any line that the lookup
    // reads no name from: a blank line, a section header, a line outside any
    // named section or in a later section of a name, a later entry of a key,
    // a key that is empty or begins with "[" (a name could make it a
    // header), and an index past the end.
    std::optional<TeamEntry> entryAt(std::size_t index) const;

    // The line that now holds the entry (`section`, `key`), if any.
    std::optional<std::size_t> lineOf(const std::string& section, const std::string& key) const;

    // Gives the entry (`section`, `key`) the name `value` on its line as the
    // INI store writes it, and keeps the edit for save(). Returns the line
    // changed, or nothing when no line holds the entry any more. Setting
    // the name the entry has already is no edit.
    std::optional<std::size_t> set(const std::string& section, const std::string& key, const std::string& value);

    bool hasEdits() const { return !edits_.empty(); }

    // Writes the edits into the file at `path` as it is now, under its lock,
    // and forgets them. Throws FileError; the file is then left as it was
    // and the edits are kept.
    void save(const std::string& path);

    // Forgets the edits.
    void discardEdits() { edits_.clear(); }

private:
    // The entry (`section`, `key`) as entryAt offers it, or null.
    const IniEntry* editable(const std::string& section, const std::string& key) const;

    IniFile file_;
    std::vector<TeamEntry> edits_;
};

} // namespace rota
