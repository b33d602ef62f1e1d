#include "config/inifile.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "platform/fileio.h"
#include "platform/filelock.h"

#include <optional>
#include <unordered_set>

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

// The name of the section that the trimmed `line` opens ("[name]", with
// any text after the last "]"), or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    const std::size_t close = line.rfind(']');
    if (line.empty() || line.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trimIniBlanks(line.substr(1, close - 1));
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

IniFile::IniFile(std::vector<std::string> lines, bool byteOrderMark)
    : lines_(std::move(lines)), byteOrderMark_(byteOrderMark)
{
    index();
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

void IniFile::index()
{
    // The lines before the first header form the nameless section. A later
    // section of a name already seen, and a later entry of a key already
    // seen in its section, are passed over: lookups never reach them.
    sections_.assign(1, IniSection{"", npos, {}, 0});
    std::unordered_set<std::string> sectionsSeen{""}, keysSeen;
    IniSection* current = &sections_.back();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = trimIniBlanks(lines_[i]);
        if (line.empty())
            continue;
        if (const auto name = sectionName(line)) {
            current = nullptr;
            if (sectionsSeen.insert(upperCase(std::string(*name))).second) {
                current = &sections_.emplace_back(IniSection{std::string(*name), i, {}, i + 1});
                keysSeen.clear();
            }
            continue;
        }
        if (!current)
            continue;
        current->end = i + 1;
        const std::size_t eq = line.find('=');
        const std::string_view key = trimIniBlanks(line.substr(0, eq));
        if (keysSeen.insert(upperCase(std::string(key))).second)
            current->entries.push_back(
                {i, std::string(key), eq == npos ? std::string() : valueRead(trimIniBlanks(line.substr(eq + 1)))});
    }
}

const IniSection* IniFile::section(std::string_view name) const
{
    name = trimIniBlanks(name);
    for (const IniSection& section : sections_)
        if (equalsIgnoringCase(section.name, name))
            return &section;
    return nullptr;
}

const IniEntry* IniFile::entry(std::string_view section, std::string_view key) const
{
    const IniSection* found = this->section(section);
    if (!found)
        return nullptr;
    key = trimIniBlanks(key);
    for (const IniEntry& entry : found->entries)
        if (equalsIgnoringCase(entry.key, key))
            return &entry;
    return nullptr;
}

std::string IniFile::readString(std::string_view section, std::string_view key) const
{
    const IniEntry* found = entry(section, key);
    return found ? found->value : std::string();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    key = trimIniBlanks(key);
    section = trimIniBlanks(section);
    if (const IniEntry* found = entry(section, key)) {
        // The key keeps its spelling and the blanks before its "=".
        std::string& old = lines_[found->line];
        const std::string_view kept = trimIniBlanks(old);
        std::string line(kept.substr(0, kept.find('=')));
        line += '=';
        line += value;
        if (line == old)
            return;
        old = std::move(line);
    } else if (const IniSection* existing = this->section(section)) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(existing->end),
                      std::string(key) + "=" + std::string(value));
    } else {
        if (!lines_.empty() && !trimIniBlanks(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
    }
    changed_ = true;
    index();
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
