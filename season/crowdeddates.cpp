#include "season/crowdeddates.h"

#include "common/ascii.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>

namespace rota {

namespace {

constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A two-digit year divisible by 4 is taken for a leap year. Of the years
// the data covers (1871 on), only 1900 is not, and no games were played in
// its February.
bool isLeap(int yy)
{
    return yy % 4 == 0;
}

int monthLength(int month, int yy)
{
    return month == 2 && isLeap(yy) ? 29 : kMonthDays[month - 1];
}

int daysInYear(int yy)
{
    return isLeap(yy) ? 366 : 365;
}

// A calendar date as its two-digit year and its day of that year (from 0).
struct Day {
    int yy = 0;
    int ofYear = 0;
    // For comparing dates of a season.
    int key() const { return yy * 366 + ofYear; }
};

std::optional<Day> dayOf(std::string_view date)
{
    if (!isDigitDate(date))
        return std::nullopt;
    const auto number = [&](std::size_t at) { return (date[at] - '0') * 10 + (date[at + 1] - '0'); };
    const int month = number(0), day = number(3), yy = number(6);
    if (month < 1 || month > 12 || day < 1 || day > monthLength(month, yy))
        return std::nullopt;
    Day result{yy, day - 1};
    for (int m = 1; m < month; ++m)
        result.ofYear += monthLength(m, yy);
    return result;
}

std::string dateText(Day day)
{
    int month = 1, rest = day.ofYear;
    while (rest >= monthLength(month, day.yy))
        rest -= monthLength(month++, day.yy);
    const auto two = [](int n) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    return two(month) + "/" + two(rest + 1) + "/" + two(day.yy);
}

// Games per date and the teams that play on each, kept up to date as games move.
class DateBook {
public:
    explicit DateBook(const std::vector<GameRow>& rows)
    {
        for (const GameRow& row : rows)
            add(row);
    }
    std::size_t games(const std::string& date) const
    {
        const auto at = dates_.find(date);
        return at == dates_.end() ? 0 : at->second.games;
    }
    bool plays(const std::string& date, const std::string& team) const
    {
        const auto at = dates_.find(date);
        return at != dates_.end() &&
               std::find(at->second.teams.begin(), at->second.teams.end(), team) != at->second.teams.end();
    }
    void add(const GameRow& row)
    {
        Entry& entry = dates_[row.date];
        ++entry.games;
        entry.teams.push_back(row.vis);
        entry.teams.push_back(row.home);
    }
    void remove(const GameRow& row)
    {
        Entry& entry = dates_[row.date];
        --entry.games;
        for (const std::string* team : {&row.vis, &row.home})
            entry.teams.erase(std::find(entry.teams.begin(), entry.teams.end(), *team));
    }

private:
    struct Entry {
        std::size_t games = 0;
        std::vector<std::string> teams; // visitor and home of each game
    };
    std::map<std::string, Entry> dates_;
};

// The rows of `list` dated `date`, as [first, last).
std::pair<std::size_t, std::size_t> rowsOn(const SeasonList& list, const std::string& date)
{
    const auto& rows = list.rows();
    const auto before = [](const GameRow& row, const std::string& d) { return row.date < d; };
    const auto after = [](const std::string& d, const GameRow& row) { return d < row.date; };
    const auto first = std::lower_bound(rows.begin(), rows.end(), date, before);
    const auto last = std::upper_bound(first, rows.end(), date, after);
    return {static_cast<std::size_t>(first - rows.begin()), static_cast<std::size_t>(last - rows.begin())};
}

} // namespace

std::vector<CrowdedDate> crowdedDates(const std::vector<GameRow>& rows)
{
    std::vector<CrowdedDate> crowded;
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start + 1;
        while (end < rows.size() && rows[end].date == rows[start].date)
            ++end;
        if (end - start > kGamesPerDate)
            crowded.push_back({rows[start].date, end - start});
        start = end;
    }
    return crowded;
}

FitReport fitCrowdedDates(SeasonList& list)
{
    FitReport report;
    int first = INT_MAX, last = INT_MIN;
    for (const GameRow& row : list.rows())
        if (const auto day = dayOf(row.date)) {
            first = std::min(first, day->key());
            last = std::max(last, day->key());
        }
    DateBook book(list.rows());
    // Moves only go to dates with room, so no date becomes crowded by them.
    for (const CrowdedDate& crowded : crowdedDates(list.rows())) {
        const std::optional<Day> day = dayOf(crowded.date);
        bool stuck = !day;
        while (!stuck && book.games(crowded.date) > kGamesPerDate) {
            bool moved = false, inRange = true;
            for (int step = 1; !moved && inRange; ++step) {
                inRange = false;
                for (const int offset : {step, -step}) {
                    const Day to{day->yy, day->ofYear + offset};
                    if (to.ofYear < 0 || to.ofYear >= daysInYear(to.yy) || to.key() < first || to.key() > last)
                        continue;
                    inRange = true;
                    const std::string date = dateText(to);
                    if (book.games(date) >= kGamesPerDate)
                        continue;
                    const auto [begin, end] = rowsOn(list, crowded.date);
                    for (std::size_t i = end; i-- > begin;) {
                        const GameRow row = list[i];
                        if (book.plays(date, row.vis) || book.plays(date, row.home))
                            continue;
                        book.remove(row);
                        book.add(list[list.setDate(i, date)]);
                        report.moves.push_back({row.vis, row.home, crowded.date, date, 0});
                        moved = true;
                        break;
                    }
                    if (moved)
                        break;
                }
            }
            stuck = !moved;
        }
        if (stuck)
            report.stuck.push_back({crowded.date, book.games(crowded.date)});
    }
    // A moved game is the only one of its teams on its new date.
    for (MovedGame& move : report.moves) {
        const auto [begin, end] = rowsOn(list, move.to);
        for (std::size_t i = begin; i < end; ++i)
            if (list[i].vis == move.visitor && list[i].home == move.home)
                move.index = i;
    }
    return report;
}

} // namespace rota
