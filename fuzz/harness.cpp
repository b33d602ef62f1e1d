#include "fuzz/harness.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "config/inifile.h"
#include "platform/fileio.h"
#include "schedule/schreader.h"
#include "schedule/schwriter.h"
#include "season/schedulecsv.h"
#include "session/session.h"
#include "tools/bgame/eventfile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

namespace rota::fuzz {

namespace {

void check(bool condition, const char* what)
{
    if (!condition)
        std::fprintf(stderr, "property broken: %s\n", what), std::abort();
}

std::string text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A fresh folder for the files a target writes, on a memory file system
// where there is one, removed at exit (libFuzzer ends without exit handlers).
const std::string& scratch()
{
    namespace fs = std::filesystem;
    static const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    static const std::string folder = (base / ("rota-fuzz-" + std::to_string(std::random_device()()))).string();
    static const int made = (fs::create_directories(folder), std::atexit([] {
                                 std::error_code e;
                                 fs::remove_all(folder, e);
                             }));
    return (void)made, folder;
}

// True when `s` can stand in a line as it is.
bool clean(const std::string& s)
{
    return s.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

} // namespace

void season(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const std::string home = scratch(), ini = "[Schedule Data]\r\nBOS AL=Sox\r\n\r\n[Game Data]\r\nBOS=Sox\r\n";
    std::ofstream(home + "/rota.ini", std::ios::binary) << ini;
    std::ofstream(home + "/season.txt", std::ios::binary) << text(data + 1, size - 1);
    Session session(home);
    session.chooseDataType(static_cast<DataType>(std::min(data[0] & 3, 2)));
    const Outcome loaded = session.openSeason(
        home + "/season.txt", {static_cast<LeagueOption>((data[0] >> 2) % 4), 1870 + (data[0] >> 5) * 19});
    const Outcome written = session.writeScheduleTo(home + "/season.sch");
    if (!loaded.done()) {
        check(loaded.kind == Outcome::Kind::Refused || loaded.line >= 1, "a failed load names its line");
        check(readFileBytes(home + "/rota.ini") == ini, "a failed load leaves rota.ini untouched");
        check(written.kind == Outcome::Kind::Refused, "a failed load is not written");
        return;
    }
    for (const std::string& key : session.missingTeams())
        check(allLettersAndDigits(key.substr(0, key.find(' '))), "only codes of letters and digits reach rota.ini");
    check(written.done() || written.kind == Outcome::Kind::Refused, "a season that does not fit is refused");
    std::vector<ScheduleGame> rows;
    for (const GameRow& row : session.games().rows())
        rows.push_back({row.date, row.vis, row.home, !row.dh.empty()});
    check(!written.done() || decodeScheduleFile(readFileBytes(home + "/season.sch")) == rows,
          "what is written reads back as the rows");
}

ByteSource piecesOf(std::string_view text, std::size_t piece)
{
    return [text, piece, given = std::size_t{0}](char* buffer, std::size_t capacity) mutable {
        const std::size_t n = std::min({piece, capacity, text.size() - given});
        std::copy_n(text.data() + given, n, buffer);
        given += n;
        return n;
    };
}

void lines(const std::uint8_t* data, std::size_t size)
{
    std::string bytes = text(data, size), kept;
    const auto split = splitLines(bytes);
    // The same text handed out in pieces of a size the text picks.
    const std::size_t piece = bytes.empty() ? 1 : static_cast<unsigned char>(bytes[0]) % 16 + 1;
    LineReader pieces(piecesOf(bytes, piece), bytes.size(), piece);
    // And once more, cutting lines longer than a length the text picks too.
    const std::size_t longest = bytes.size() < 2 ? 0 : static_cast<unsigned char>(bytes[1]) % 8;
    LineReader cut(piecesOf(bytes, piece), bytes.size(), piece);
    cut.cutLinesLongerThan(longest);
    std::string_view line;
    for (const std::string& expected : split) {
        check(pieces.next(line) && line == expected, "lines read in pieces are the lines of the whole text");
        check(cut.next(line) && line == std::string_view(expected).substr(0, longest + 1),
              "a long line is cut, and the rest of it passed over");
    }
    check(!pieces.next(line) && pieces.bytesRead() == bytes.size(), "lines read in pieces end with the text");
    check(!cut.next(line) && cut.bytesRead() == bytes.size(), "cut lines end with the text");
    for (std::size_t i = 0; i < split.size(); ++i) {
        check(split[i].find_first_of("\r\n") == std::string::npos, "no line holds a line end");
        kept += split[i];
    }
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.erase(0, kUtf8ByteOrderMark.size());
    std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
    check(kept == bytes, "only line ends and a byte order mark at the start are dropped");
    // (A second mark at the start would go the same way.)
    if (split.empty() || !split[0].starts_with(kUtf8ByteOrderMark))
        check(splitLines(joinLinesCrlf(split)) == split, "saved lines load back");
}

void ini(const std::uint8_t* data, std::size_t size)
{
    // An INI text, a zero byte, then operations separated by zero bytes:
    // "section\x01key\x01value" writes, "section\x01key" reads.
    const std::string bytes = text(data, size);
    std::size_t end = bytes.find('\0');
    IniFile ini(splitLines(bytes.substr(0, end)));
    for (int operations = 0; end < bytes.size() && operations++ < 64;) {
        const std::size_t start = end + 1;
        end = std::min(bytes.find('\0', start), bytes.size());
        const std::string op = bytes.substr(start, end - start);
        const auto a = op.find('\x01'), b = op.find('\x01', a + 1);
        const std::string section = op.substr(0, a), key = op.substr(a + 1, b - a - 1);
        if (a == std::string::npos || b == std::string::npos) {
            ini.readString(section, key);
            continue;
        }
        const std::string value = op.substr(b + 1);
        const std::string_view k = trimIniBlanks(key), s = trimIniBlanks(section);
        ini.writeString(section, key, value);
        // Read back when the names and the value can stand in a line as they
        // are: a key with "=" or a value with blanks or quotes around it reads
        // otherwise, to Windows too.
        if (clean(section) && clean(key) && clean(value) && !k.empty() && !s.empty() && value == trimIniBlanks(value) &&
            k.front() != '[' && k.find('=') == std::string::npos && s.find(']') == std::string::npos &&
            value.size() <= 2047 &&
            !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()))
            check(ini.readString(section, key) == value, "a value written is read back");
    }
    ini.writeString("Rota", "Fuzz", "1"); // something to save
    try {
        ini.save(scratch() + "/store.ini");
        // A first line that begins with a byte order mark comes back as the mark.
        const IniFile loaded = IniFile::load(scratch() + "/store.ini");
        if (std::all_of(ini.lines().begin(), ini.lines().end(), clean))
            check((loaded.byteOrderMark() ? "\xef\xbb\xbf" : "") + joinLinesCrlf(loaded.lines()) ==
                      joinLinesCrlf(ini.lines()),
                  "a saved INI file loads back");
    } catch (const FileError&) { // a file that starts with a UTF-16 byte order mark is refused
    }
}

void entry(const std::uint8_t* data, std::size_t size)
{
    // The first line is a team name, the rest rota.ini; every entry gets the name.
    const std::string all = text(data, size);
    const std::string name = all.substr(0, all.find('\n')), path = scratch() + "/entry.ini";
    std::ofstream(path, std::ios::binary) << all.substr(std::min(name.size() + 1, all.size()));
    TeamTable table, saved;
    try {
        table.load(path);
    } catch (const FileError&) {
        return; // not 8-bit text
    }
    // The name as the lookup reads it from any entry's line.
    const std::string read = IniFile({"K=" + name}).readString("", "K");
    std::vector<TeamEntry> entries;
    for (std::size_t i = 0; i < table.lines().size(); ++i) {
        if (const auto entry = table.entryAt(i)) {
            check(entry->value == IniFile(table.lines()).readString(entry->section, entry->key),
                  "the panel shows the name the lookup reads");
            const std::size_t count = table.lines().size();
            const auto line = table.set(entry->section, entry->key, name);
            // Setting the name an entry has already changes no line ("ABC" stays, though it reads as "ABC=").
            const bool unchanged = entry->value == read;
            check(line == i && (unchanged || table.lines()[i].ends_with("=" + name)) && table.entryAt(i)->value == read,
                  "a name is set on the entry's line");
            check(table.lines().size() == count, "naming a team adds or removes no line");
            entries.push_back(*entry);
        }
    }
    if (!clean(name))
        return;
    table.save(path);
    saved.load(path);
    for (const TeamEntry& entry : entries) {
        const auto line = saved.lineOf(entry.section, entry.key);
        check(line && saved.entryAt(*line)->value == read, "a saved name is in the file");
    }
}

void csv(const std::uint8_t* data, std::size_t size)
{
    // Lines split at line feeds only, so that a carriage return or a zero byte stays inside a row.
    std::vector<std::string> lines, fields, again;
    std::istringstream in(text(data, size) + "\n");
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    static const std::regex quote("\"");
    for (const std::string& line : lines) {
        if (!splitCsvRecord(line, fields))
            continue;
        std::string joined;
        for (const std::string& field : fields)
            joined += (joined.empty() ? "\"" : ",\"") + std::regex_replace(field, quote, "\"\"") + "\"";
        check(splitCsvRecord(joined, again) && again == fields, "quoted fields split back the same");
    }
    ScheduleCsvColumns columns;
    try {
        columns = scheduleCsvColumns(lines[0]);
    } catch (const DataError&) {
        return;
    }
    check(columns.fieldCount >
              std::max({columns.date, columns.visitor, columns.visitorLeague, columns.home, columns.homeLeague}),
          "every column a game needs is in the header");
    check(columns.visitorLeague > columns.visitor && columns.homeLeague > columns.home,
          "each League column follows its team column");
    static const std::regex captionDate("(0[1-9]|1[0-2])/(0[1-9]|[12][0-9]|3[01])/[0-9]{2}");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        try {
            check(std::regex_match(readScheduleCsvRow(lines[i], columns, i).date, captionDate),
                  "a row that reads has an MM/DD/YY date");
        } catch (const DataError& e) {
            check(e.lineNumber() == i + 1, "a refusal names its line");
        }
    }
}

void sch(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = text(data, size);
    std::vector<ScheduleGame> games;
    try {
        games = decodeScheduleFile(bytes);
    } catch (const ScheduleFormatError& e) {
        check(e.offset() <= size, "the offset named lies within the file");
        return;
    }
    std::vector<GameRow> rows;
    for (const ScheduleGame& game : games)
        rows.push_back({game.date, game.visitor, game.home, game.doubleheader ? kDoubleheaderMark : ""});
    check(scheduleLimitProblems(rows).empty(), "what decodes fits the format");
    check(buildScheduleFile(rows) == bytes, "what decodes is written again to the same bytes");
    const std::string table = formatScheduleTable(games);
    check(std::count(table.begin(), table.end(), '\n') == static_cast<long>(games.size() + 2),
          "the table has a line per game, a header and a count");
}

void eventfile(const std::uint8_t* data, std::size_t size)
{
    for (const bgame::EventGame& game : bgame::parseEventFile(text(data, size))) {
        const int key = bgame::monthDayKey(game);
        check(key >= 0 && key <= 9999, "a month-day key has four digits at most");
        const std::string line = bgame::gameLine(game);
        check(line.size() > 120, "a game line is longer than 120 characters");
        check(line[15] == '"' && line[24] == '"', "the date stands at columns 17-24");
        std::size_t commas = 0;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == ',' && ++commas == 7)
                check(i + 1 < line.size() && line[i + 1] == '"', "the seventh comma comes before the visitors");
        check(commas == 14, "a game line has 15 fields");
    }
}

} // namespace rota::fuzz
