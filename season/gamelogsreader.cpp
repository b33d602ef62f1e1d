#include "season/gamelogsreader.h"

#include "season/headedlayout.h"

namespace rota {

void GameLogsReader::readLine(ReadContext& ctx)
{
    if (ctx.lineIndex == 0)
        layoutMarker = ctx.columns(1, 5);

    if (isHeadedLayoutMarker(layoutMarker))
        readHeadedLine(ctx);
    else
        readStandardLine(ctx);

    ctx.recordGameKey();
    ctx.applyLeagueOption();
}

// Collects characters from the cursor up to (not including) the next `",`;
// the first character is always taken.
std::string GameLogsReader::collectField(ReadContext& ctx)
{
    std::string text;
    do {
        text += ctx.column(cursor);
        ++cursor;
    } while (!(ctx.column(cursor) == '"' && ctx.column(cursor + 1) == ','));
    return text;
}

// Moves the cursor on by at least one column, to the next comma.
void GameLogsReader::advanceToComma(ReadContext& ctx)
{
    do
        ++cursor;
    while (ctx.column(cursor) != ',');
}

void GameLogsReader::readStandardLine(ReadContext& ctx)
{
    LineState& s = ctx.state;
    s.date = ctx.columns(6, 7) + "/" + ctx.columns(8, 9) + "/" + ctx.columns(4, 5);
    if (ctx.lineIndex == 0)
        s.seasonYear = ctx.columns(4, 5);

    cursor = 12;
    advanceToComma(ctx); // end of the game number
    cursor += 8;         // past the day of week, onto the visiting team
    s.visitorCode = collectField(ctx);
    cursor += 3;
    s.visitorLeague = collectField(ctx);
    cursor += 1;         // onto the comma before the visitor's game number
    advanceToComma(ctx); // end of the visitor's game number
    cursor += 2;
    s.homeCode = collectField(ctx);
    cursor += 3;
    s.homeLeague = collectField(ctx);
}

} // namespace rota
