#include "tools/bgame/eventfile.h"

#include "common/textlines.h"
#include "common/vocabulary.h"

#include <utility>

namespace rota::bgame {

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::string field;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            out.push_back(field);
            field.clear();
        } else
            field += c;
    }
    out.push_back(field);
    return out;
}

// A value fit to stand inside a quoted field of the game line.
std::string clean(std::string text)
{
    for (char& c : text)
        if (c == ',' || c == '"')
            c = ' ';
    return text;
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    out += clean(text);
    out += '"';
    return out;
}

int number(const std::string& text, std::size_t from, std::size_t length)
{
    if (text.size() < from + length)
        return -1;
    int value = 0;
    for (std::size_t i = from; i < from + length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Day of week of a Gregorian date (Sakamoto's method).
std::string dayOfWeek(int year, int month, int day)
{
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    static const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return "";
    if (month < 3)
        --year;
    return names[(year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7];
}

// The info records the tool reads, and the field of the game each fills.
const std::pair<const char*, std::string EventGame::*> kInfoFields[] = {
    {"visteam", &EventGame::visitingTeam},
    {"hometeam", &EventGame::homeTeam},
    {"date", &EventGame::date},
    {"number", &EventGame::number},
    {"starttime", &EventGame::startTime},
    {"daynight", &EventGame::dayNight},
    {"site", &EventGame::site},
    {"usedh", &EventGame::useDh},
    {"attendance", &EventGame::attendance},
    {"timeofgame", &EventGame::timeOfGame},
    {"umphome", &EventGame::homeUmpire},
};

} // namespace

std::vector<EventGame> parseEventFile(std::string_view text)
{
    std::vector<EventGame> games;
    for (const std::string& line : splitLines(text)) {
        auto f = fields(line);
        if (f[0] == "id" && f.size() > 1) {
            games.emplace_back();
            games.back().id = f[1];
            continue;
        }
        if (games.empty())
            continue;
        EventGame& g = games.back();
        if (f[0] == "info" && f.size() > 2) {
            for (const auto& [key, field] : kInfoFields)
                if (f[1] == key)
                    g.*field = f[2];
        } else if (f[0] == "start" && f.size() > 5 && f[5] == "1") {
            (f[3] == "0" ? g.visitingPitcher : g.homePitcher) = f[1];
        }
    }
    return games;
}

int monthDayKey(const EventGame& game)
{
    const int month = number(game.date, 5, 2);
    const int day = number(game.date, 8, 2);
    return month < 0 || day < 0 ? 0 : month * 100 + day;
}

int parseKey(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        return -1;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || value > 100000)
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string gameLine(const EventGame& g)
{
    std::string id = g.id.substr(0, 12);
    id.resize(12, ' ');
    const int year = number(g.date, 0, 4);
    const int month = number(g.date, 5, 2);
    const int day = number(g.date, 8, 2);
    std::string date = g.date.size() >= 10 ? g.date.substr(5, 2) + "/" + g.date.substr(8, 2) + "/" + g.date.substr(2, 2)
                                           : std::string("  /  /  ");
    std::string line = quoted(id) + "," + quoted(date) + "," + clean(g.number.empty() ? "0" : g.number) + "," +
                       quoted(dayOfWeek(year, month, day)) + "," + quoted(g.startTime) + "," + quoted(g.dayNight) +
                       "," + quoted(g.site) + "," + quoted(g.visitingTeam) + "," + quoted(g.homeTeam) + "," +
                       quoted(g.useDh) + "," + quoted(g.visitingPitcher) + "," + quoted(g.homePitcher) + "," +
                       clean(g.attendance) + "," + clean(g.timeOfGame) + ",";
    std::string umpire = clean(g.homeUmpire);
    // The last field is padded so that every game line is long enough to be
    // taken for one.
    if (line.size() + umpire.size() + 2 < kShortestGameLine)
        umpire.resize(kShortestGameLine - line.size() - 2, ' ');
    return line + "\"" + umpire + "\"";
}

} // namespace rota::bgame
