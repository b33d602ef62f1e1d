#include "season/gamedatareader.h"

namespace rota {

void GameDataReader::readLine(ReadContext& ctx)
{
    GameLine& g = ctx.game;
    if (ctx.columns(5, 6) != "67") {
        g.date = ctx.columns(17, 24);
        if (ctx.seasonYear.empty())
            ctx.seasonYear = ctx.columns(23, 24);
    } else {
        g.date = ctx.columns(15, 22);
        if (ctx.seasonYear.empty())
            ctx.seasonYear = ctx.columns(21, 22);
    }

    std::size_t cursor = 0;
    int commaCount = 0;
    do {
        ++cursor;
        if (cursor > ctx.line.size())
            ctx.fail("the line has fewer than seven commas");
        if (ctx.column(cursor) == ',')
            ++commaCount;
    } while (commaCount < 7);

    cursor += 2;
    g.visitorCode = ctx.columns(cursor, cursor + 2);
    cursor += 6;
    g.homeCode = ctx.columns(cursor, cursor + 2);
}

} // namespace rota
