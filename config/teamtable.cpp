#include "config/teamtable.h"

#include "config/teamlookup.h"
#include "platform/textlines.h"

namespace rota {

TableEntry splitEntry(const std::string& line)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return {line, ""};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

bool isEditableEntry(const std::string& line)
{
    return !line.empty() && line != "[" + std::string(kGameDataSection) + "]" &&
           line != "[" + std::string(kScheduleDataSection) + "]";
}

void TeamTableEditor::load(const std::string& path)
{
    lines_ = loadLines(path);
}

void TeamTableEditor::save(const std::string& path) const
{
    saveLines(path, lines_);
}

bool TeamTableEditor::click(std::size_t index)
{
    selectedEntry.clear();
    entryKey.clear();
    entryValue.clear();
    selectedEntryIndex = index;
    if (index < lines_.size())
        selectedEntry = lines_[index];
    if (!isEditableEntry(selectedEntry))
        return false;
    TableEntry entry = splitEntry(selectedEntry);
    entryKey = std::move(entry.key);
    entryValue = std::move(entry.value);
    return true;
}

bool TeamTableEditor::set(const std::string& value)
{
    if (!isEditableEntry(selectedEntry) || selectedEntryIndex >= lines_.size())
        return false;
    lines_[selectedEntryIndex] = entryKey + "=" + value;
    return true;
}

} // namespace rota
