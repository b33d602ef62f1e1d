#include "season/gamelogsreader.h"

namespace rota {

// Collects characters from the cursor up to (not including) the next `",`;
// the first character is always taken.
std::string GameLogsReader::collectField(ReadContext& ctx)
{
    std::string text;
    do {
        text += ctx.column(cursor_);
        ++cursor_;
    } while (!(ctx.column(cursor_) == '"' && ctx.column(cursor_ + 1) == ','));
    return text;
}

// Moves the cursor on by at least one column, to the next comma.
void GameLogsReader::advanceToComma(ReadContext& ctx)
{
    do
        ++cursor_;
    while (ctx.column(cursor_) != ',');
}

void GameLogsReader::readStandardLine(ReadContext& ctx)
{
    GameLine& g = ctx.game;
    ctx.readDate(g.date, 4, 6, 8);
    if (ctx.seasonYear.empty())
        ctx.seasonYear = ctx.columns(4, 5);

    cursor_ = 12;
    advanceToComma(ctx); // end of the game number
    cursor_ += 8;        // past the day of week, onto the visiting team
    g.visitorCode = collectField(ctx);
    cursor_ += 3;
    g.visitorLeague = collectField(ctx);
    cursor_ += 1;        // onto the comma before the visitor's game number
    advanceToComma(ctx); // end of the visitor's game number
    cursor_ += 2;
    g.homeCode = collectField(ctx);
    cursor_ += 3;
    g.homeLeague = collectField(ctx);
}

} // namespace rota
