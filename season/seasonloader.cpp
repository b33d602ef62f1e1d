#include "season/seasonloader.h"

#include "platform/textlines.h"

namespace rota {

void checkTextFile(const TextLines& lines)
{
    auto fail = [](std::size_t i, const std::string& what) {
        throw DataError("line " + std::to_string(i + 1) + ": " + what);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() > kLongestLine)
            fail(i, "the line is " + std::to_string(line.size()) + " characters long, far too long for a Retrosheet file");
        for (std::size_t c = 0; c < line.size(); ++c) {
            const auto byte = static_cast<unsigned char>(line[c]);
            if (byte < 0x20 && byte != '\t' && byte != '\f' && byte != 0x1a)
                fail(i, "column " + std::to_string(c + 1) + " holds the control character " + std::to_string(byte) +
                            ": this is not a text file");
        }
    }
}

std::string noGamesMessage(const std::string& fileName, int dataType)
{
    const char* kind = dataType == GameData   ? "box-score data file made by Compile Data"
                       : dataType == GameLogs ? "Retrosheet game-log file"
                                              : "Retrosheet schedule file";
    return "No games were read from \"" + fileName + "\". Check that it is a " + kind +
           " and that the League option fits it.";
}

int progressPosition(std::size_t lineIndex, std::size_t lineCount)
{
    return static_cast<int>(static_cast<double>(lineIndex) / static_cast<double>(lineCount) * 10000.0);
}

void SeasonLoader::clear(SeasonList& list)
{
    list.clear();
    gameKeys_.clear();
    lineBuffer_.clear();
}

void SeasonLoader::readFile(const std::string& path)
{
    lineBuffer_ = loadTextLines(path);
}

void SeasonLoader::readText(std::string bytes)
{
    lineBuffer_ = TextLines(std::move(bytes));
}

void SeasonLoader::readGames(const LoadOptions& options, SeasonList& list, TeamNameLookup& lookup,
                             const ProgressFunction& progress)
{
    state.seasonYear.clear();
    checkTextFile(lineBuffer_);
    std::unique_ptr<SeasonReader> reader = readers_(options.dataType);
    if (!reader)
        return;
    const std::size_t minimumLength = reader->minimumLength();

    ReadContext ctx(state, lineBuffer_, gameKeys_, options.leagueIndex, options.yearValue);
    for (ctx.lineIndex = 0; ctx.lineIndex < lineBuffer_.size(); ++ctx.lineIndex) {
        ctx.skip = false;
        state.currentLine = lineBuffer_[ctx.lineIndex];
        if (state.currentLine.size() < minimumLength)
            continue;

        reader->readLine(ctx);

        // A game whose key repeats the key before it is the second game of a
        // doubleheader: it marks the row of the first instead of adding one.
        if (!ctx.skip && gameKeys_.size() >= 2 && gameKeys_.back() == gameKeys_[gameKeys_.size() - 2]) {
            list.markLastAsDoubleheader();
            ctx.skip = true;
        }
        if (!ctx.skip) {
            lookup.lookup(options.dataType, state);
            list.append(GameRow{state.date, state.visText, state.homeText, ""});
        }
        if (progress)
            progress(progressPosition(ctx.lineIndex, lineBuffer_.size()));
    }
}

} // namespace rota
