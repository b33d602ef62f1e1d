#include "season/headedlayout.h"

namespace rota {

bool isHeadedLayoutMarker(const std::string& marker)
{
    return marker == "\"Date";
}

void readHeadedLine(ReadContext& ctx)
{
    LineState& s = ctx.state;
    if (ctx.lineIndex == 0)
        ctx.moveToNextLine();

    s.date = ctx.columns(2, 3) + "/" + ctx.columns(5, 6) + "/";
    if (s.seasonYear.empty()) {
        const std::string year = std::to_string(ctx.yearValue);
        s.seasonYear = year.size() > 2 ? year.substr(2, 2) : std::string();
    }
    s.date += s.seasonYear;

    char league;
    if (ctx.column(7) == '(') {
        s.visitorCode = ctx.columns(13, 15);
        s.homeCode = ctx.columns(19, 21);
        league = ctx.column(25);
    } else {
        s.visitorCode = ctx.columns(10, 12);
        s.homeCode = ctx.columns(16, 18);
        league = ctx.column(22);
    }
    s.visitorLeague = std::string(1, league) + "L";
    s.homeLeague = s.visitorLeague;
}

} // namespace rota
