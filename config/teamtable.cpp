#include "config/teamtable.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "config/inifile.h"

namespace rota {

void TeamTable::load(const std::string& path)
{
    const IniFile file = readIniFile(path);
    lines_ = file.lines();
    sectionOfLine_.assign(lines_.size(), std::string());
    // Only the first section of a name is read and written, as IniFile
    // does; the entries of a later one of the same name cannot be edited.
    std::string section;
    bool inSection = false;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = iniSectionName(lines_[i])) {
            section = *name;
            inSection = true;
            for (const std::string& earlier : seen)
                inSection = inSection && !equalsIgnoringCase(earlier, section);
            seen.push_back(section);
        } else if (inSection) {
            sectionOfLine_[i] = section;
        }
    }
    for (const TeamEntry& edit : edits_)
        applyEdit(edit);
}

std::optional<TeamEntry> TeamTable::entryAt(std::size_t index) const
{
    if (index >= lines_.size() || sectionOfLine_[index].empty())
        return std::nullopt;
    // Keys as the INI store reads them; the value as it stands after "=".
    const std::string& line = lines_[index];
    const auto entry = iniEntry(line);
    // A key that begins with "[" could become a section header once named.
    if (!entry || entry->key.empty() || entry->key.front() == '[')
        return std::nullopt;
    const auto eq = line.find('=');
    return TeamEntry{sectionOfLine_[index], std::string(entry->key),
                     eq == std::string::npos ? std::string() : line.substr(eq + 1)};
}

std::optional<std::size_t> TeamTable::lineOf(const std::string& section, const std::string& key) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!equalsIgnoringCase(sectionOfLine_[i], section))
            continue;
        if (auto entry = entryAt(i); entry && equalsIgnoringCase(entry->key, key))
            return i;
    }
    return std::nullopt;
}

void TeamTable::applyEdit(const TeamEntry& edit)
{
    if (auto line = lineOf(edit.section, edit.key))
        lines_[*line] = entryAt(*line)->key + "=" + edit.value;
}

std::optional<std::size_t> TeamTable::set(const std::string& section, const std::string& key, const std::string& value)
{
    const auto line = lineOf(section, key);
    if (!line)
        return std::nullopt;
    if (entryAt(*line)->value == value)
        return line;
    TeamEntry edit{section, key, value};
    applyEdit(edit);
    for (TeamEntry& earlier : edits_)
        if (equalsIgnoringCase(earlier.section, section) && equalsIgnoringCase(earlier.key, key)) {
            earlier.value = value;
            return line;
        }
    edits_.push_back(std::move(edit));
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
