#include "season/seasonloader.h"

#include "common/ascii.h"
#include "season/reader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

namespace rota {

namespace {

// A line of a file of another kind gives fields that no Retrosheet file
// holds; refusing it keeps such text out of the configuration file.
void checkFields(const ReadContext& ctx, DataType dataType)
{
    const GameLine& g = ctx.game;
    if (!isDigitDate(g.date))
        ctx.fail("the date \"" + g.date + "\" is not a date MM/DD/YY: is this a file of another kind?");
    for (const std::string* code : {&g.visitorCode, &g.homeCode})
        if (!allLettersAndDigits(*code))
            ctx.fail("the team code \"" + *code + "\" is not letters and digits: is this a file of another kind?");
    if (dataType == DataType::GameData)
        return;
    for (const std::string* league : {&g.visitorLeague, &g.homeLeague})
        if (!allLettersAndDigits(*league))
            ctx.fail("the league \"" + *league + "\" is not letters and digits: is this a file of another kind?");
}

// Gives each team of a season its place in the season's team list, adding
// it the first time it is seen.
class TeamPlaces {
public:
    explicit TeamPlaces(std::vector<SeasonTeam>& teams) : teams_(teams) {}

    std::uint32_t placeOf(const std::string& code, const std::string& league)
    {
        const auto next = static_cast<std::uint32_t>(teams_.size());
        bool added;
        std::uint32_t place;
        // A code and league of up to seven bytes in all (as Retrosheet's
        // are) is packed into a number, with its code's length; others go
        // by text.
        if (code.size() + league.size() <= 7) {
            std::uint64_t key = code.size();
            for (const std::string* part : {&code, &league})
                for (const char c : *part)
                    key = (key << 8) | static_cast<unsigned char>(c);
            const auto [at, isNew] = placeOfPacked_.try_emplace(key, next);
            place = at->second;
            added = isNew;
        } else {
            const auto [at, isNew] = placeOfText_.try_emplace(code + '\0' + league, next);
            place = at->second;
            added = isNew;
        }
        if (added)
            teams_.push_back({code, league});
        return place;
    }

private:
    std::vector<SeasonTeam>& teams_;
    std::unordered_map<std::uint64_t, std::uint32_t> placeOfPacked_;
    std::unordered_map<std::string, std::uint32_t> placeOfText_;
};

std::string gameKey(const GameLine& game)
{
    return game.date + " " + game.visitorCode + " " + game.homeCode;
}

} // namespace

std::vector<std::uint32_t> gamesInDateOrder(const ParsedSeason& season)
{
    const std::vector<SeasonGame>& games = season.games;
    std::vector<std::uint32_t> order(games.size()), next(games.size());
    for (std::size_t i = 0; i < games.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i);
    // Every date is MM/DD/YY in digits, so a stable counting sort by each
    // two-digit field, the least significant (the year) first, is a sort by
    // the whole text.
    for (const std::size_t column : {6, 3, 0}) {
        const auto fieldOf = [&](std::uint32_t game) {
            const std::array<char, 8>& date = games[game].date;
            return (date[column] - '0') * 10 + (date[column + 1] - '0');
        };
        std::array<std::size_t, 101> start{};
        for (const std::uint32_t game : order)
            ++start[fieldOf(game) + 1];
        for (std::size_t value = 1; value < start.size(); ++value)
            start[value] += start[value - 1];
        for (const std::uint32_t game : order)
            next[start[fieldOf(game)]++] = game;
        order.swap(next);
    }
    return order;
}

std::string noGamesMessage(const std::string& fileName, DataType dataType)
{
    const char* kind = dataType == DataType::GameData   ? "box-score data file made by Compile Data"
                       : dataType == DataType::GameLogs ? "Retrosheet game-log file"
                                                        : "Retrosheet schedule file";
    return "No games were read from \"" + fileName + "\". Check that it is a " + kind +
           " and that the League option fits it.";
}

void readSeason(LineReader& lines, const SeasonOptions& options, ParsedSeason& season, const LineProgress& progress)
{
    const auto dropEverything = [&] {
        season.games.clear();
        season.teams.clear();
        season.seasonYear.clear();
    };
    dropEverything();
    lines.cutLinesLongerThan(kLongestLine); // longer ones are refused
    TeamPlaces teamPlaces(season.teams);
    std::unique_ptr<SeasonReader> reader = makeSeasonReader(options.dataType);
    ReadContext ctx(lines, options.league, options.year, season.seasonYear);
    // The game of the last line read: date, visitor and home code.
    std::string previousGame[3];
    bool havePreviousGame = false;
    std::unordered_map<std::string, std::size_t> gameOfKey; // for readers that fold distant repeats

    try {
        while (ctx.readNextLine()) {
            if (ctx.line.size() < reader->minimumLength())
                continue;
            ctx.skip = false;
            for (std::string* field : {&ctx.game.date, &ctx.game.visitorCode, &ctx.game.homeCode,
                                       &ctx.game.visitorLeague, &ctx.game.homeLeague})
                field->clear();
            reader->readLine(ctx);
            checkFields(ctx, options.dataType);

            const GameLine& g = ctx.game;
            if (reader->foldsDistantRepeats()) {
                // A repeat of a game listed earlier in the file is the second
                // game of a doubleheader, wherever it stands.
                if (!ctx.skip) {
                    auto [at, added] = gameOfKey.try_emplace(gameKey(g), season.games.size());
                    if (!added) {
                        season.games[at->second].doubleheader = true;
                        ctx.skip = true;
                    }
                }
            } else {
                // A game that repeats the game of the line before it is the
                // second game of a doubleheader: it marks the last game listed.
                const bool repeat = havePreviousGame && g.date == previousGame[0] && g.visitorCode == previousGame[1] &&
                                    g.homeCode == previousGame[2];
                previousGame[0] = g.date;
                previousGame[1] = g.visitorCode;
                previousGame[2] = g.homeCode;
                havePreviousGame = true;
                if (!ctx.skip && repeat) {
                    if (!season.games.empty())
                        season.games.back().doubleheader = true;
                    ctx.skip = true;
                }
            }
            if (!ctx.skip) {
                SeasonGame& game = season.games.emplace_back();
                std::copy_n(g.date.data(), game.date.size(), game.date.data()); // checked to be MM/DD/YY
                game.visitor = teamPlaces.placeOf(g.visitorCode, g.visitorLeague);
                game.home = teamPlaces.placeOf(g.homeCode, g.homeLeague);
            }
            if (progress)
                progress(static_cast<std::size_t>(lines.bytesRead()), static_cast<std::size_t>(lines.expectedSize()));
        }
    } catch (const NotTextError&) {
        dropEverything(); // a file that is no text gives no game
        throw;
    } catch (const DataError&) {
        // A file that is no text is refused as such, whichever line of it
        // first fails to read; the rest is only checked.
        try {
            while (ctx.readNextLine()) {
            }
        } catch (const NotTextError&) {
            dropEverything();
            throw;
        } catch (const std::exception&) {
            // The line that failed first is the one to report.
        }
        throw;
    }
    if (progress)
        progress(static_cast<std::size_t>(lines.bytesRead()), static_cast<std::size_t>(lines.expectedSize()));
}

} // namespace rota
