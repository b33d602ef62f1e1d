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

namespace {

void appendSlot(std::string& out, const GameRow& row)
{
    appendPadded(out, row.vis);
    appendPadded(out, row.home);
    out += row.dh.empty() ? "      " : "/n:2  ";
    out += "      ";
}

} // namespace

std::string buildScheduleFile(const std::vector<GameRow>& rows,
                              const std::function<void(std::size_t, std::size_t)>& progress)
{
    std::size_t days = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        days += i == 0 || rows[i].date != rows[i - 1].date ? 1 : 0;
    std::string file;
    file.reserve((days + 1) * kRecordLength);
    file += headerRecord();
    // Each day record is written straight into the file: two blanks, the
    // date, its games, and empty slots up to 15.
    std::size_t slotCount = 0;
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (rows[i].date.size() != kDateLength)
            doesNotFit("the date \"" + rows[i].date + "\" is not 8 characters");
        if (i == 0 || rows[i].date != rows[i - 1].date) {
            if (i > 0)
                appendEmptySlots(file, kSlotsPerDay - slotCount);
            file += "  ";
            file += rows[i].date;
            slotCount = 1;
        } else if (++slotCount > kSlotsPerDay) {
            doesNotFit(rows[i].date + " has more than 15 games");
        }
        appendSlot(file, rows[i]);
        if (progress)
            progress(i, n);
    }
    if (n > 0)
        appendEmptySlots(file, kSlotsPerDay - slotCount);
    return file;
}

} // namespace rota
