#include "season/gamedatareader.h"

namespace rota {

void GameDataReader::readLine(ReadContext& ctx)
{
    LineState& s = ctx.state;
    columnCursor = 0;
    commaCount = 0;

    if (ctx.columns(5, 6) != "67") {
        s.date = ctx.columns(17, 24);
        if (ctx.lineIndex == 0)
            s.seasonYear = ctx.columns(23, 24);
    } else {
        s.date = ctx.columns(15, 22);
        if (ctx.lineIndex == 0)
            s.seasonYear = ctx.columns(21, 22);
    }

    do {
        ++columnCursor;
        if (columnCursor > s.currentLine.size())
            ctx.fail("the line has fewer than seven commas");
        currentChar = ctx.column(columnCursor);
        if (currentChar == ',')
            ++commaCount;
    } while (commaCount < 7);

    columnCursor += 2;
    s.visitorCode = ctx.columns(columnCursor, columnCursor + 2);
    columnCursor += 6;
    s.homeCode = ctx.columns(columnCursor, columnCursor + 2);

    ctx.recordGameKey();
}

} // namespace rota
