#include "schedule/schwriter.h"

#include "common/ascii.h"

#include <stdexcept>

namespace rota {

namespace {

[[noreturn]] void doesNotFit(const std::string& what)
{
    throw std::length_error("the schedule does not fit the file format: " + what);
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
            if (text->size() > kTeamTextLength || text->empty() || firstControlByte(*text) != std::string::npos) {
                std::string problem = text->empty() ? std::string(row.date + ": a game without a team text")
                                      : text->size() > kTeamTextLength
                                          ? "\"" + *text + "\": " + std::to_string(text->size()) + " characters"
                                          : row.date + ": a team text holds the control character " +
                                                hexByte((*text)[firstControlByte(*text)]);
                bool known = false;
                for (const auto& p : longTexts)
                    known = known || p == problem;
                if (!known)
                    longTexts.push_back(std::move(problem));
            }
    problems.insert(problems.end(), longTexts.begin(), longTexts.end());
    return problems;
}

std::string scheduleLimitMessage()
{
    return "The schedule cannot be written: a PVX schedule holds at most 15 games on one date and team texts of at "
           "most 8 characters without control characters, and each date takes 8 characters. Shorten or correct the "
           "names in rota.ini, or edit the dates of games in the list, and try again.";
}

std::string buildScheduleFile(const std::vector<GameRow>& rows,
                              const std::function<void(std::size_t, std::size_t)>& progress)
{
    std::size_t days = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        days += i == 0 || rows[i].date != rows[i - 1].date ? 1 : 0;
    // The file starts as blanks in its final size, and each record's fields
    // are copied into their places: the header's "D"; then for each day two
    // blanks, the date and up to 15 slots of visitor, home (each padded to
    // 8), a doubleheader mark of 6 and 6 blanks.
    std::string file((days + 1) * kRecordLength, ' ');
    file[0] = 'D';
    const auto put = [&](std::size_t at, const std::string& text) { text.copy(file.data() + at, text.size()); };
    std::size_t record = 0, slot = 0;
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        const GameRow& row = rows[i];
        if (row.date.size() != kDateLength)
            doesNotFit("the date \"" + row.date + "\" is not 8 characters");
        if (i == 0 || row.date != rows[i - 1].date) {
            record += kRecordLength;
            slot = 0;
            put(record + 2, row.date);
        } else if (++slot >= kSlotsPerDay) {
            doesNotFit(row.date + " has more than 15 games");
        }
        const std::size_t at = record + 2 + kDateLength + slot * kSlotLength;
        for (const std::string* text : {&row.vis, &row.home})
            if (text->size() > kTeamTextLength)
                doesNotFit("\"" + *text + "\" is longer than 8 characters");
            else if (firstControlByte(*text) != std::string::npos)
                doesNotFit(row.date + ": a team text holds a control character");
        put(at, row.vis);
        put(at + kTeamTextLength, row.home);
        if (!row.dh.empty())
            put(at + 2 * kTeamTextLength, kDoubleheaderMark);
        if (progress)
            progress(i, n);
    }
    return file;
}

} // namespace rota
