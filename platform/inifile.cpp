#include "platform/inifile.h"

#include "platform/fileio.h"
#include "platform/textlines.h"

#include <cerrno>
#include <sys/stat.h>

namespace rota {

namespace {

constexpr auto npos = std::string::npos;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

// True when `line` is a "[name]" section header; sets `name`.
bool sectionName(std::string_view line, std::string_view& name)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    name = trim(line.substr(1, line.size() - 2));
    return true;
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
    if (key.empty() || !sameName(line.substr(i, key.size()), key))
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
    auto value = trim(line.substr(offset));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return IniFile();
        return IniFile(loadLines(path)); // reports the cause
    }
    return IniFile(loadLines(path));
}

IniFile::Found IniFile::find(std::string_view section, std::string_view key) const
{
    section = trim(section);
    key = trim(key);
    Found found{npos, npos, npos, npos};
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (sectionName(lines_[i], name)) {
            if (inSection)
                break; // the first section of that name is the one used
            if (sameName(name, section)) {
                inSection = true;
                found.sectionLine = i;
                found.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trim(lines_[i]).empty())
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
    key = trim(key);
    section = trim(section);
    Found found = find(section, key);
    if (found.keyLine != npos) {
        std::string line = std::string(trim(lines_[found.keyLine].substr(0, found.valueAt)));
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
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
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

IniFile readIniFile(const std::string& path)
{
    return IniFile::load(path);
}

void updateIniFile(const std::string& path, const std::function<void(IniFile&)>& change)
{
    IniFile file = IniFile::load(path);
    change(file);
    file.save(path);
}

IniStore::Signature IniStore::currentSignature() const
{
    Signature sig;
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        return sig;
    sig.exists = true;
    sig.device = static_cast<std::uint64_t>(st.st_dev);
    sig.inode = static_cast<std::uint64_t>(st.st_ino);
    sig.size = static_cast<std::uint64_t>(st.st_size);
    sig.mtimeSec = st.st_mtim.tv_sec;
    sig.mtimeNsec = st.st_mtim.tv_nsec;
    sig.ctimeSec = st.st_ctim.tv_sec;
    sig.ctimeNsec = st.st_ctim.tv_nsec;
    return sig;
}

IniFile& IniStore::open()
{
    Signature now = currentSignature();
    if (!valid_ || file_.changed() || !(now == signature_)) {
        valid_ = false;
        file_ = IniFile::load(path_);
        signature_ = now;
        valid_ = true;
    }
    return file_;
}

void IniStore::flush()
{
    if (!file_.changed())
        return;
    try {
        file_.save(path_);
    } catch (...) {
        valid_ = false;
        file_ = IniFile();
        throw;
    }
    signature_ = currentSignature();
}

} // namespace rota
