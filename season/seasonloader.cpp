#include "season/seasonloader.h"

#include "common/ascii.h"
#include "season/reader.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace rota {

namespace {

// True for "MM/DD/YY" made of digits.
bool isDigitDate(std::string_view date)
{
    if (date.size() != 8 || date[2] != '/' || date[5] != '/')
        return false;
    return allDigits(date.substr(0, 2)) && allDigits(date.substr(3, 2)) && allDigits(date.substr(6, 2));
}

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

std::string gameKey(const GameLine& game)
{
    return game.date + " " + game.visitorCode + " " + game.homeCode;
}

} // namespace

namespace {

// True when one of the eight bytes of `word` is below 0x20.
constexpr bool holdsControlByte(std::uint64_t word)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    return ((word - ones * 0x20) & ~word & highs) != 0;
}

bool isAllowedControl(unsigned char byte)
{
    return byte == '\t' || byte == '\f' || byte == 0x1a;
}

// The first byte of `line` that no text file holds, or npos.
std::size_t firstForbiddenByte(std::string_view line)
{
    std::size_t c = 0;
    // Sixteen bytes at a time while none is a control character; from the
    // first word that holds one (a tab, say), byte by byte.
    for (; c + 16 <= line.size(); c += 16) {
        std::uint64_t first, second;
        std::memcpy(&first, line.data() + c, 8);
        std::memcpy(&second, line.data() + c + 8, 8);
        if (holdsControlByte(first) || holdsControlByte(second))
            break;
    }
    for (; c < line.size(); ++c) {
        const auto byte = static_cast<unsigned char>(line[c]);
        if (byte < 0x20 && !isAllowedControl(byte))
            return c;
    }
    return std::string_view::npos;
}

// Throws DataError, naming the line, when one of lines `from` to `to`
// (not included) cannot be a line of a Retrosheet text file.
void checkTextLines(const TextLines& lines, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        const std::string_view line = lines[i];
        if (line.size() > kLongestLine)
            throw DataError(i, "the line is " + std::to_string(line.size()) +
                                   " characters long, far too long for a Retrosheet file");
        if (const std::size_t c = firstForbiddenByte(line); c != std::string_view::npos)
            throw DataError(i, "column " + std::to_string(c + 1) + " holds the control character " +
                                   std::to_string(static_cast<unsigned char>(line[c])) + ": this is not a text file");
    }
}

} // namespace

std::string noGamesMessage(const std::string& fileName, DataType dataType)
{
    const char* kind = dataType == DataType::GameData   ? "box-score data file made by Compile Data"
                       : dataType == DataType::GameLogs ? "Retrosheet game-log file"
                                                        : "Retrosheet schedule file";
    return "No games were read from \"" + fileName + "\". Check that it is a " + kind +
           " and that the League option fits it.";
}

void readSeason(const TextLines& lines, const SeasonOptions& options, ParsedSeason& season,
                const LineProgress& progress)
{
    season.games.clear();
    season.seasonYear.clear();
    // Lines are checked to be text a block ahead of the reader, while they
    // are in the cache; a file that is no text is refused with no game read.
    std::size_t checkedUpTo = 0;
    const auto checkAhead = [&](std::size_t through) {
        if (through < checkedUpTo)
            return;
        const std::size_t end = std::min(lines.size(), std::max(through + 1, checkedUpTo + 512));
        try {
            checkTextLines(lines, checkedUpTo, end);
        } catch (const DataError&) {
            season.games.clear();
            throw;
        }
        checkedUpTo = end;
    };
    checkAhead(0);

    season.games.reserve(lines.size());
    std::unique_ptr<SeasonReader> reader = makeSeasonReader(options.dataType);
    ReadContext ctx(lines, options.league, options.year, season.seasonYear);
    // The game of the last line read: date, visitor and home code.
    std::string previousGame[3];
    bool havePreviousGame = false;
    std::unordered_map<std::string, std::size_t> gameOfKey; // for readers that fold distant repeats

    for (ctx.lineIndex = 0; ctx.lineIndex < lines.size(); ++ctx.lineIndex) {
        checkAhead(ctx.lineIndex + 1); // a header line passes on to the next one
        ctx.line = lines[ctx.lineIndex];
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
            GameLine& g = ctx.game;
            season.games.push_back({std::move(g.date), std::move(g.visitorCode), std::move(g.visitorLeague),
                                    std::move(g.homeCode), std::move(g.homeLeague), false});
        }
        if (progress)
            progress(ctx.lineIndex, lines.size());
    }
}

} // namespace rota
