#include "config/teamtable.h"

#include "common/ascii.h"

namespace rota {

namespace {

// A key that a name cannot turn into something else.
bool isEditableKey(const std::string& key)
{
    return !key.empty() && key.front() != '[';
}

} // namespace

void TeamTable::load(const std::string& path)
{
    file_ = readIniFile(path);
    for (const TeamEntry& edit : edits_)
        if (editable(edit.section, edit.key))
            file_.writeString(edit.section, edit.key, edit.value);
}

std::optional<TeamEntry> TeamTable::entryAt(std::size_t index) const
{
    for (const IniSection& section : file_.sections())
        for (const IniEntry& entry : section.entries)
            if (entry.line == index && section.line != std::string::npos && isEditableKey(entry.key))
                return TeamEntry{section.name, entry.key, entry.value};
    return std::nullopt;
}

const IniEntry* TeamTable::editable(const std::string& section, const std::string& key) const
{
    const IniSection* named = file_.section(section);
    if (!named || named->line == std::string::npos)
        return nullptr;
    const IniEntry* entry = file_.entry(section, key);
    return entry && isEditableKey(entry->key) ? entry : nullptr;
}

std::optional<std::size_t> TeamTable::lineOf(const std::string& section, const std::string& key) const
{
    if (const IniEntry* entry = editable(section, key))
        return entry->line;
    return std::nullopt;
}

std::optional<std::size_t> TeamTable::set(const std::string& section, const std::string& key, const std::string& value)
{
    const IniEntry* entry = editable(section, key);
    if (!entry)
        return std::nullopt;
    const std::size_t line = entry->line;
    if (entry->value == value)
        return line;
    file_.writeString(section, key, value);
    for (TeamEntry& earlier : edits_)
        if (equalsIgnoringCase(earlier.section, section) && equalsIgnoringCase(earlier.key, key)) {
            earlier.value = value;
            return line;
        }
    edits_.push_back({section, key, value});
    return line;
}

void TeamTable::save(const std::string& path)
{
    if (edits_.empty())
        return;
    updateIniFile(path, [this](IniFile& file) {
        for (const TeamEntry& edit : edits_)
            file.writeString(edit.section, edit.key, edit.value);
    });
    edits_.clear();
}

} // namespace rota
