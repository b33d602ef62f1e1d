#include "season/scheduledatareader.h"

#include "season/headedlayout.h"

namespace rota {

void ScheduleDataReader::readLine(ReadContext& ctx)
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

void ScheduleDataReader::readStandardLine(ReadContext& ctx)
{
    LineState& s = ctx.state;
    s.date = ctx.columns(6, 7) + "/" + ctx.columns(8, 9) + "/" + ctx.columns(4, 5);
    if (ctx.lineIndex == 0)
        s.seasonYear = ctx.columns(4, 5);
    s.visitorCode = ctx.columns(23, 25);
    s.visitorLeague = ctx.columns(29, 30);

    // The comma after the visiting team's game number (1 to 3 digits)
    // places the home team's fields; without one, the last line's places hold.
    if (ctx.column(34) == ',') {
        homeColumn = 36;
        homeLeagueColumn = 42;
    }
    if (ctx.column(35) == ',') {
        homeColumn = 37;
        homeLeagueColumn = 43;
    }
    if (ctx.column(36) == ',') {
        homeColumn = 38;
        homeLeagueColumn = 44;
    }
    s.homeCode = ctx.columns(homeColumn, homeColumn + 2);
    s.homeLeague = ctx.columns(homeLeagueColumn, homeLeagueColumn + 1);
}

} // namespace rota
