#include "config/inifile.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "platform/fileio.h"
#include "platform/filelock.h"

#include <optional>

namespace rota {

namespace {

constexpr auto npos = std::string::npos;
// What GetPrivateProfileStringA's 2048-byte buffer holds, less its zero.
constexpr std::size_t kLongestValue = 2047;

bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a' || c == '\r' || c == '\n';
}

// The value as GetPrivateProfileStringA hands it out: without a pair of
// quotes around it, cut to the buffer. (When a quoted value fills the
// buffer, the function drops its last byte as if it were the quote.)
std::string valueRead(std::string_view value)
{
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string text(value.substr(0, kLongestValue));
    if (quoted && value.size() <= kLongestValue + 1)
        text.pop_back();
    return text;
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

std::string_view trimIniBlanks(std::string_view text)
{
    while (!text.empty() && isIniBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isIniBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> iniSectionName(std::string_view line)
{
    line = trimIniBlanks(line);
    const std::size_t close = line.rfind(']');
    if (line.empty() || line.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trimIniBlanks(line.substr(1, close - 1));
}

std::optional<IniEntry> iniEntry(std::string_view line)
{
    line = trimIniBlanks(line);
    if (line.empty() || iniSectionName(line))
        return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return IniEntry{line, std::nullopt};
    return IniEntry{trimIniBlanks(line.substr(0, eq)), trimIniBlanks(line.substr(eq + 1))};
}

IniFile IniFile::load(const std::string& path)
{
    const std::optional<std::string> bytes = readFileIfPresent(path);
    if (!bytes)
        return IniFile();
    refuseNonText(path, *bytes);
    // The lines leave the mark out.
    return IniFile(splitLines(*bytes), bytes->starts_with(kUtf8ByteOrderMark));
}

IniFile::Found IniFile::find(std::string_view section, std::string_view key) const
{
    section = trimIniBlanks(section);
    key = trimIniBlanks(key);
    // The lines before the first header form the nameless section.
    Found found{section.empty(), npos, npos, 0};
    bool inSection = found.section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = iniSectionName(lines_[i])) {
            if (inSection)
                break; // only the first section of a name is read
            if (equalsIgnoringCase(*name, section)) {
                found.section = inSection = true;
                found.sectionLine = i;
                found.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        const auto entry = iniEntry(lines_[i]);
        if (!entry)
            continue;
        found.insertAt = i + 1;
        if (found.keyLine == npos && equalsIgnoringCase(entry->key, key))
            found.keyLine = i;
    }
    return found;
}

std::string IniFile::readString(std::string_view section, std::string_view key) const
{
    const Found found = find(section, key);
    if (found.keyLine == npos)
        return {};
    return valueRead(iniEntry(lines_[found.keyLine])->value.value_or(std::string_view()));
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    key = trimIniBlanks(key);
    section = trimIniBlanks(section);
    const Found found = find(section, key);
    if (found.keyLine != npos) {
        // The key keeps its spelling and the blanks before its "=".
        const std::string_view old = trimIniBlanks(lines_[found.keyLine]);
        std::string line(old.substr(0, old.find('=')));
        line += '=';
        line += value;
        if (line != lines_[found.keyLine]) {
            lines_[found.keyLine] = std::move(line);
            changed_ = true;
        }
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (found.section) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.insertAt), std::move(line));
    } else {
        if (!lines_.empty() && !trimIniBlanks(lines_.back()).empty())
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
    std::string bytes = joinLinesCrlf(lines_);
    if (byteOrderMark_)
        bytes.insert(0, kUtf8ByteOrderMark);
    writeFileAtomically(path, bytes);
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

} // namespace rota
