#include "schedule/schwriter.h"

#include <stdexcept>

namespace rota {

namespace {

[[noreturn]] void doesNotFit(const std::string& what)
{
    throw std::length_error("the schedule does not fit the file format: " + what);
}

void appendPadded(std::string& out, const std::string& text)
{
    if (text.size() > kTeamTextLength)
        doesNotFit("\"" + text + "\" is longer than 8 characters");
    out += text;
    out.append(kTeamTextLength - text.size(), ' ');
}

void appendEmptySlots(std::string& out, std::size_t count)
{
    out.append(count * kSlotLength, ' ');
}

} // namespace

std::vector<std::string> scheduleLimitProblems(const std::vector<GameRow>& rows)
{
    std::vector<std::string> problems;
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start + 1;
        while (end < rows.size() && rows[end].date == rows[start].date)
            ++end;
        if (rows[start].date.size() != kDateLength)
            problems.push_back("\"" + rows[start].date + "\": a date must be 8 characters (MM/DD/YY)");
        if (end - start > kSlotsPerDay)
            problems.push_back(rows[start].date + ": " + std::to_string(end - start) + " games");
        start = end;
    }
    std::vector<std::string> longTexts;
    for (const GameRow& row : rows)
        for (const std::string* text : {&row.vis, &row.home})
            if (text->size() > kTeamTextLength || text->empty()) {
                std::string problem = text->empty() ? std::string(row.date + ": a game without a team text")
                                                    : "\"" + *text + "\": " + std::to_string(text->size()) + " characters";
                bool known = false;
                for (const auto& p : longTexts)
                    known = known || p == problem;
                if (!known)
                    longTexts.push_back(std::move(problem));
            }
    problems.insert(problems.end(), longTexts.begin(), longTexts.end());
    return problems;
}

std::string scheduleLimitMessage(const std::vector<std::string>& problems)
{
    std::string message = "The schedule cannot be written: a PVX schedule holds at most 15 games on one date "
                          "and team texts of at most 8 characters, and each date takes 8 characters. Shorten the names in rota.ini, or edit the "
                          "dates of games in the list, and try again.\n";
    for (const auto& problem : problems)
        message += "\n" + problem;
    return message;
}

std::string headerRecord()
{
    std::string record = "D";
    record.append(kRecordLength - 1, ' ');
    return record;
}

std::string gameSlot(const GameRow& row)
{
    std::string slot;
    slot.reserve(kSlotLength);
    appendPadded(slot, row.vis);
    appendPadded(slot, row.home);
    slot += row.dh.empty() ? "      " : "/n:2  ";
    slot += "      ";
    return slot;
}

std::string buildScheduleFile(const std::vector<GameRow>& rows,
                              const std::function<void(std::size_t, std::size_t)>& progress)
{
    std::string file = headerRecord();
    std::string record;
    std::size_t slotCount = 0;
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i == 0) {
            record = "  " + rows[i].date;
            slotCount = 1;
        } else if (rows[i].date != rows[i - 1].date) {
            appendEmptySlots(record, kSlotsPerDay - slotCount);
            file += record;
            record = "  " + rows[i].date;
            slotCount = 1;
        } else if (++slotCount > kSlotsPerDay) {
            doesNotFit(rows[i].date + " has more than 15 games");
        }
        if (rows[i].date.size() != kDateLength)
            doesNotFit("the date \"" + rows[i].date + "\" is not 8 characters");
        record += gameSlot(rows[i]);
        if (i == n - 1) {
            appendEmptySlots(record, kSlotsPerDay - slotCount);
            file += record;
        }
        if (progress)
            progress(i, n);
    }
    return file;
}

} // namespace rota
