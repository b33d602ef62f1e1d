#include "season/headedlayout.h"

namespace rota {

namespace {

// Reads one line of the headed layout; on line 0 it passes over the header
// and reads line 1 instead. Sets the season year from the year chosen when
// still empty. Throws DataError.
void readHeadedLine(ReadContext& ctx)
{
    GameLine& g = ctx.game;
    if (ctx.lineIndex == 0)
        ctx.moveToNextLine();

    if (ctx.seasonYear.empty()) {
        const std::string year = std::to_string(ctx.yearValue);
        ctx.seasonYear = year.size() > 2 ? year.substr(2, 2) : std::string();
    }
    g.date = ctx.columns(2, 3) + "/" + ctx.columns(5, 6) + "/" + ctx.seasonYear;

    char league;
    if (ctx.column(7) == '(') {
        g.visitorCode = ctx.columns(13, 15);
        g.homeCode = ctx.columns(19, 21);
        league = ctx.column(25);
    } else {
        g.visitorCode = ctx.columns(10, 12);
        g.homeCode = ctx.columns(16, 18);
        league = ctx.column(22);
    }
    g.visitorLeague = std::string(1, league) + "L";
    g.homeLeague = g.visitorLeague;
}

} // namespace

void HeadedOrStandardReader::readLine(ReadContext& ctx)
{
    if (ctx.lineIndex == 0)
        headed_ = isHeadedLayoutHeader(ctx.line);

    if (headed_)
        readHeadedLine(ctx);
    else
        readStandardLine(ctx);
    ctx.applyLeagueOption();
}

} // namespace rota
