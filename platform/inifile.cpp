#include "platform/inifile.h"

#include "common/ascii.h"

#include "platform/fileio.h"
#include "platform/filelock.h"
#include "platform/textlines.h"

#include <optional>

namespace rota {

namespace {

constexpr auto npos = std::string::npos;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// When `line` holds `key` (blanks, then the key, blanks, then "=" or the
// end of the line), returns the offset just past its "=" (or the line's
// size); else npos. Matching the whole key, rather than the text before the
// line's first "=", finds again any key that writeString wrote.
std::size_t keyEnd(std::string_view line, std::string_view key)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (key.empty() || !equalsIgnoringCase(line.substr(i, key.size()), key))
        return npos;
    i += key.size();
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size()) // a line without "=" is a key without a value
        return line.find('=') == std::string_view::npos ? i : npos;
    return line[i] == '=' ? i + 1 : npos;
}

std::string_view valueAfter(std::string_view line, std::size_t offset)
{
    auto value = trimBlanks(line.substr(offset));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// A file of 16-bit characters, or any file holding zero bytes, is not one
// we can read as lines of 8-bit text; and saving what we made of it would
// ruin it. It is refused whole, before anything reads or writes it.
void refuseNonText(const std::string& path, std::string_view bytes)
{
    const char* why = nullptr;
    if (bytes.starts_with("\xff\xfe") || bytes.starts_with("\xfe\xff"))
        why = "it starts with a UTF-16 byte order mark";
    else if (bytes.find('\0') != std::string_view::npos)
        why = "it holds zero bytes (perhaps it was saved as UTF-16)";
    if (why)
        throw FileError("Cannot use \"" + path + "\": " + why + "; it was left as it is. Save it as plain text.");
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    const std::optional<std::string> bytes = readFileIfPresent(path);
    if (!bytes)
        return IniFile();
    refuseNonText(path, *bytes);
    return IniFile(splitLines(*bytes));
}

IniFile::Found IniFile::find(std::string_view section, std::string_view key) const
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    Found found{npos, npos, npos, npos};
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = iniSectionName(lines_[i])) {
            if (inSection)
                break; // the first section of that name is the one used
            if (equalsIgnoringCase(*name, section)) {
                inSection = true;
                found.sectionLine = i;
                found.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimBlanks(lines_[i]).empty())
            found.insertAt = i + 1;
        if (found.keyLine == npos) {
            found.valueAt = keyEnd(lines_[i], key);
            if (found.valueAt != npos)
                found.keyLine = i;
        }
    }
    return found;
}

std::string IniFile::readString(std::string_view section, std::string_view key) const
{
    Found found = find(section, key);
    if (found.keyLine == npos)
        return {};
    return std::string(valueAfter(lines_[found.keyLine], found.valueAt));
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    key = trimBlanks(key);
    section = trimBlanks(section);
    Found found = find(section, key);
    if (found.keyLine != npos) {
        std::string line = std::string(trimBlanks(lines_[found.keyLine].substr(0, found.valueAt)));
        if (line.empty() || line.back() != '=')
            line += '=';
        line += value;
        if (line != lines_[found.keyLine]) {
            lines_[found.keyLine] = std::move(line);
            changed_ = true;
        }
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (found.sectionLine != npos) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.insertAt), std::move(line));
    } else {
        if (!lines_.empty() && !trimBlanks(lines_.back()).empty())
            lines_.emplace_back();
        std::string header = "[";
        header += section;
        header += ']';
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(line));
    }
    changed_ = true;
}

void IniFile::save(const std::string& path)
{
    if (!changed_)
        return;
    saveLines(path, lines_);
    changed_ = false;
}

void updateIniFile(const std::string& path, const std::function<void(IniFile&)>& change)
{
    FileLock lock(path, FileLock::Exclusive);
    IniFile ini = IniFile::load(path);
    change(ini);
    ini.save(path);
}

IniFile readIniFile(const std::string& path)
{
    std::optional<FileLock> lock;
    try {
        lock.emplace(path, FileLock::Shared);
    } catch (const FileError&) {
        // No lock file can be made beside it (a read-only folder): then no
        // one can replace the file either, and reading it as it is will do.
    }
    return IniFile::load(path);
}

std::optional<std::string_view> iniSectionName(std::string_view line)
{
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimBlanks(line.substr(1, line.size() - 2));
}

} // namespace rota
