#include "schedule/schreader.h"

#include "common/ascii.h"
#include "schedule/schwriter.h"

#include <set>

namespace rota {

namespace {

constexpr std::size_t kDayHeaderLength = 2 + kDateLength;
constexpr std::size_t kDhFieldLength = 6;

// The offset in `bytes` of the first byte of [from, from + length) that is
// not a blank, or npos.
std::size_t firstNonBlank(std::string_view bytes, std::size_t from, std::size_t length)
{
    for (std::size_t i = from; i < from + length; ++i)
        if (bytes[i] != ' ')
            return i;
    return std::string_view::npos;
}

std::string withoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

// The offset of the first byte of the date at `at` that breaks MM/DD/YY, or npos.
std::size_t badDateByte(std::string_view bytes, std::size_t at)
{
    for (std::size_t i = 0; i < kDateLength; ++i) {
        const char c = bytes[at + i];
        const bool ok = (i == 2 || i == 5) ? c == '/' : c >= '0' && c <= '9';
        if (!ok)
            return at + i;
    }
    return std::string_view::npos;
}

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(text.size() < width ? width - text.size() : 1, ' ');
}

} // namespace

ScheduleFormatError::ScheduleFormatError(std::size_t offset, const std::string& cause)
    : std::runtime_error("byte " + std::to_string(offset) + ": " + cause), offset_(offset)
{
}

std::vector<ScheduleGame> decodeScheduleFile(std::string_view bytes)
{
    if (bytes.empty() || bytes.size() % kRecordLength != 0)
        throw ScheduleFormatError(bytes.size() - bytes.size() % kRecordLength,
                                  "the file has " + std::to_string(bytes.size()) +
                                      " bytes, which is not a positive multiple of 430");
    if (bytes[0] != 'D')
        throw ScheduleFormatError(0, "the header record does not start with \"D\"");
    if (const std::size_t at = firstNonBlank(bytes, 1, kRecordLength - 1); at != std::string_view::npos)
        throw ScheduleFormatError(at, "the header record holds more than \"D\" and blanks");

    std::vector<ScheduleGame> games;
    std::string_view lastDate;
    for (std::size_t record = kRecordLength; record < bytes.size(); record += kRecordLength) {
        if (const std::size_t at = firstNonBlank(bytes, record, 2); at != std::string_view::npos)
            throw ScheduleFormatError(at, "a day record must start with two blanks");
        if (const std::size_t at = badDateByte(bytes, record + 2); at != std::string_view::npos)
            throw ScheduleFormatError(at, "the date \"" + std::string(bytes.substr(record + 2, kDateLength)) +
                                              "\" is not MM/DD/YY");
        const std::string_view date = bytes.substr(record + 2, kDateLength);
        if (!lastDate.empty() && date <= lastDate)
            throw ScheduleFormatError(record + 2, "the date " + std::string(date) + " does not come after " +
                                                      std::string(lastDate) + " of the record before");
        lastDate = date;

        std::size_t slotsUsed = 0;
        for (std::size_t slot = 0; slot < kSlotsPerDay; ++slot) {
            const std::size_t at = record + kDayHeaderLength + slot * kSlotLength;
            if (firstNonBlank(bytes, at, kSlotLength) == std::string_view::npos)
                continue;
            if (slotsUsed != slot)
                throw ScheduleFormatError(at, "a game follows an empty slot of its day record");
            ++slotsUsed;
            const std::size_t dhAt = at + 2 * kTeamTextLength;
            // The field holds the mark or nothing, then blanks.
            const std::string_view mark = kDoubleheaderMark;
            const bool doubleheader = bytes.substr(dhAt, mark.size()) == mark;
            const std::size_t blankFrom = dhAt + (doubleheader ? mark.size() : 0);
            if (firstNonBlank(bytes, blankFrom, dhAt + kDhFieldLength - blankFrom) != std::string_view::npos)
                throw ScheduleFormatError(dhAt, "the DH field is neither \"" + std::string(mark) + "\" nor blank");
            if (const std::size_t rest =
                    firstNonBlank(bytes, dhAt + kDhFieldLength, kSlotLength - 2 * kTeamTextLength - kDhFieldLength);
                rest != std::string_view::npos)
                throw ScheduleFormatError(rest, "the last 6 bytes of a game slot must be blank");
            for (const std::size_t team : {at, at + kTeamTextLength}) {
                if (firstNonBlank(bytes, team, kTeamTextLength) == std::string_view::npos)
                    throw ScheduleFormatError(team, "a game slot has a blank team text");
                if (const std::size_t c = firstControlByte(bytes.substr(team, kTeamTextLength));
                    c != std::string_view::npos)
                    throw ScheduleFormatError(team + c,
                                              "a team text holds the control character " + hexByte(bytes[team + c]));
            }
            games.push_back({std::string(date), withoutTrailingBlanks(bytes.substr(at, kTeamTextLength)),
                             withoutTrailingBlanks(bytes.substr(at + kTeamTextLength, kTeamTextLength)), doubleheader});
        }
        if (slotsUsed == 0)
            throw ScheduleFormatError(record, "the day record for " + std::string(date) + " holds no game");
    }
    return games;
}

std::string formatScheduleTable(const std::vector<ScheduleGame>& games)
{
    constexpr std::size_t kColumn = 10;
    std::string table = padded("Date", kColumn) + padded("Visitor", kColumn) + padded("Home", kColumn) + "DH\n";
    std::set<std::string> dates;
    for (const ScheduleGame& game : games) {
        std::string line = padded(game.date, kColumn) + padded(game.visitor, kColumn) +
                           (game.doubleheader ? padded(game.home, kColumn) + "yes" : game.home);
        table += withoutTrailingBlanks(line) + "\n";
        dates.insert(game.date);
    }
    table += std::to_string(games.size()) + (games.size() == 1 ? " game on " : " games on ") +
             std::to_string(dates.size()) + (dates.size() == 1 ? " date\n" : " dates\n");
    return table;
}

} // namespace rota
