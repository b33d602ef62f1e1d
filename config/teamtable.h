// The team table as the user edits it: the lines of "rota.ini", in which
// one entry at a time gets a new name. Edits are kept by section and key,
// and applied to the file as it is when they are saved, so that entries
// another program added meanwhile survive.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rota {

struct TeamEntry {
    std::string section; // the section the entry stands in
    std::string key;     // text before the first "=", blanks trimmed
    std::string value;   // everything after it, further "=" kept
};

class TeamTable {
public:
    // Shows the lines of the file at `path` ("" lines when it is missing),
    // with the edits not saved yet applied. Throws FileError.
    void load(const std::string& path);

    const std::vector<std::string>& lines() const { return lines_; }

    // The entry on line `index`, or nothing for a blank line, a section
    // header, a line outside any section or an index past the end.
    std::optional<TeamEntry> entryAt(std::size_t index) const;

    // The line that now holds the entry (`section`, `key`), if any.
    std::optional<std::size_t> lineOf(const std::string& section, const std::string& key) const;

    // Gives the entry (`section`, `key`) the name `value` on its line and
    // keeps the edit for save(). Returns the line changed, or nothing when
    // no line holds the entry any more. Setting the value the entry has
    // already is no edit.
    std::optional<std::size_t> set(const std::string& section, const std::string& key, const std::string& value);

    bool hasEdits() const { return !edits_.empty(); }

    // Writes the edits into the file at `path` as it is now, under its lock,
    // and forgets them. Throws FileError; the file is then left as it was
    // and the edits are kept.
    void save(const std::string& path);

    // Forgets the edits.
    void discardEdits() { edits_.clear(); }

private:
    void applyEdit(const TeamEntry& edit);

    std::vector<std::string> lines_;
    std::vector<std::string> sectionOfLine_; // "" outside any section and on headers
    std::vector<TeamEntry> edits_;
};

} // namespace rota
