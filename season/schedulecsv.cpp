#include "season/schedulecsv.h"

#include "common/ascii.h"
#include "common/textlines.h"

#include <algorithm>
#include <optional>

namespace rota {

namespace {

std::string_view withoutByteOrderMark(std::string_view line)
{
    if (line.starts_with(kUtf8ByteOrderMark))
        line.remove_prefix(kUtf8ByteOrderMark.size());
    return line;
}

// `text` without the spaces and tabs at its ends.
std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// True when header field `field`, blanks around it ignored, is `name`
// (given in lower case) in any ASCII case.
bool isColumn(std::string_view field, std::string_view name)
{
    return equalsIgnoringCase(trimBlanks(field), name);
}

[[noreturn]] void failAt(std::size_t lineIndex, const std::string& cause)
{
    throw DataError(lineIndex, cause);
}

std::optional<std::size_t> findColumn(const std::vector<std::string>& names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (isColumn(names[i], name))
            return i;
    return std::nullopt;
}

// The League column after team column `team`, before any other team column.
std::optional<std::size_t> leagueAfter(const std::vector<std::string>& names, std::size_t team)
{
    for (std::size_t i = team + 1; i < names.size(); ++i) {
        if (isColumn(names[i], "league"))
            return i;
        if (isColumn(names[i], "visitor") || isColumn(names[i], "home"))
            break;
    }
    return std::nullopt;
}

int twoDigits(const std::string& text, std::size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

bool splitCsvRecord(std::string_view line, std::vector<std::string>& fields)
{
    fields.clear();
    std::string field;
    std::size_t i = 0;
    for (;;) {
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i == line.size())
                    return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        }
        // Unquoted text, or anything between a closing quote and the comma,
        // is kept as it stands.
        const std::size_t comma = line.find(',', i);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        field.append(line.substr(i, end - i));
        fields.push_back(std::move(field));
        field.clear();
        if (comma == std::string_view::npos)
            return true;
        i = comma + 1;
    }
}

bool isScheduleCsvHeader(std::string_view firstLine)
{
    std::vector<std::string> names;
    if (!splitCsvRecord(withoutByteOrderMark(firstLine), names) || names.size() < 4)
        return false;
    return isColumn(names[0], "date") && isColumn(names[1], "num") && isColumn(names[2], "day") &&
           isColumn(names[3], "visitor");
}

ScheduleCsvColumns scheduleCsvColumns(std::string_view headerLine)
{
    std::vector<std::string> names;
    if (!splitCsvRecord(withoutByteOrderMark(headerLine), names))
        failAt(0, "the header row has a quote that is never closed");
    auto require = [](std::optional<std::size_t> column, const std::string& what) {
        if (!column)
            failAt(0, "the header row has no " + what);
        return *column;
    };
    ScheduleCsvColumns columns;
    columns.date = require(findColumn(names, "date"), "\"Date\" column");
    columns.visitor = require(findColumn(names, "visitor"), "\"Visitor\" column");
    columns.visitorLeague = require(leagueAfter(names, columns.visitor), "\"League\" column after \"Visitor\"");
    columns.home = require(findColumn(names, "home"), "\"Home\" column");
    columns.homeLeague = require(leagueAfter(names, columns.home), "\"League\" column after \"Home\"");
    columns.fieldCount = names.size();
    return columns;
}

ScheduleCsvGame readScheduleCsvRow(std::string_view line, const ScheduleCsvColumns& columns, std::size_t lineIndex)
{
    std::vector<std::string> fields;
    if (!splitCsvRecord(line, fields))
        failAt(lineIndex, "a quote is never closed");
    // Every column was found in the header, so a row as long as it has them all.
    if (fields.size() < columns.fieldCount)
        failAt(lineIndex, "the row has " + std::to_string(fields.size()) + " fields; the header names " +
                              std::to_string(columns.fieldCount));

    const std::string& date = fields[columns.date];
    if (date.size() != 8 || !allDigits(date))
        failAt(lineIndex, "the date \"" + date + "\" is not 8 digits (YYYYMMDD)");
    const int month = twoDigits(date, 4);
    const int day = twoDigits(date, 6);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        failAt(lineIndex, "the date \"" + date + "\" has no such month or day");

    ScheduleCsvGame game;
    game.date = date.substr(4, 2) + "/" + date.substr(6, 2) + "/" + date.substr(2, 2);
    game.visitorCode = fields[columns.visitor];
    game.visitorLeague = fields[columns.visitorLeague];
    game.homeCode = fields[columns.home];
    game.homeLeague = fields[columns.homeLeague];
    return game;
}

} // namespace rota
