// The team table editor panel without its widgets: "rota.ini" as a list of
// text lines, one of which is selected and edited at a time.
#pragma once

#include <string>
#include <vector>

namespace rota {

struct TableEntry {
    std::string key;   // text before the first "="
    std::string value; // everything after it, further "=" kept
};

// Splits a line at its first "="; a line without one is all key.
TableEntry splitEntry(const std::string& line);

// True for a line that can be edited: not empty and no section header of
// the two sections.
bool isEditableEntry(const std::string& line);

class TeamTableEditor {
public:
    // Replaces the lines with those of the file at `path`. Throws FileError.
    void load(const std::string& path);

    // Saves the lines as the whole file at `path`, atomically. Throws
    // FileError; the file on disk is then left as it was.
    void save(const std::string& path) const;

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

    // A click on line `index`. Returns true when the line can be edited,
    // which sets entryKey and entryValue for the key label and value box;
    // false leaves them to show what they showed.
    bool click(std::size_t index);

    // "Set": puts entryKey + "=" + `value` in place of the selected line.
    // Returns false (and changes nothing) when no editable line is selected.
    bool set(const std::string& value);

    std::string selectedEntry;
    std::string entryKey;
    std::string entryValue;
    std::size_t selectedEntryIndex = 0;

private:
    std::vector<std::string> lines_;
};

} // namespace rota
