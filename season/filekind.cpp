#include "season/filekind.h"

#include "common/ascii.h"
#include "common/textlines.h"
#include "season/headedlayout.h"
#include "season/schedulecsv.h"

#include <vector>

namespace rota {

namespace {

std::string_view firstLine(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            return text.substr(start, end - start);
        start = end + 1;
    }
    return {};
}

} // namespace

SeasonFileKind recogniseSeasonFile(std::string_view text)
{
    if (text.starts_with(kUtf8ByteOrderMark))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    const std::string_view line = firstLine(text);
    SeasonFileKind kind;
    if (isScheduleCsvHeader(line)) {
        kind.dataType = DataType::ScheduleData;
        return kind;
    }
    if (isHeadedLayoutHeader(line)) {
        kind.needsYear = true;
        kind.reason = "it has the headed layout that schedule files and game logs share";
        return kind;
    }
    std::vector<std::string> fields;
    if (line.empty() || !splitCsvRecord(line, fields) || fields.size() < 2) {
        kind.reason = "its first line is no Retrosheet schedule, game log or compiled game data";
        return kind;
    }
    if (fields[0].size() == 12 && allLettersAndDigits(fields[0]) && isDigitDate(fields[1]))
        kind.dataType = DataType::GameData;
    else if (fields[0].size() == 8 && allDigits(fields[0]) && fields.size() >= 100)
        kind.dataType = DataType::GameLogs;
    else if (fields[0].size() == 8 && allDigits(fields[0]) && fields.size() >= 9 && fields.size() <= 14)
        kind.dataType = DataType::ScheduleData;
    else
        kind.reason = "its first line is no Retrosheet schedule, game log or compiled game data";
    return kind;
}

std::optional<int> yearInFileName(std::string_view fileName)
{
    std::optional<int> found;
    for (std::size_t i = 0; i < fileName.size();) {
        std::size_t end = i;
        while (end < fileName.size() && isAsciiDigit(fileName[end]))
            ++end;
        if (end - i == 4) {
            const int year = std::stoi(std::string(fileName.substr(i, 4)));
            if (year >= 1870 && year <= 2099) {
                if (found)
                    return std::nullopt; // two years: no telling which
                found = year;
            }
        }
        i = end > i ? end : i + 1;
    }
    return found;
}

} // namespace rota
