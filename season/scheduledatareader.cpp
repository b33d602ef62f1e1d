#include "season/scheduledatareader.h"

namespace rota {

void ScheduleDataReader::readLine(ReadContext& ctx)
{
    if (ctx.lineIndex == 0 && isScheduleCsvHeader(ctx.line)) {
        csvColumns_ = scheduleCsvColumns(ctx.line);
        ctx.moveToNextLine();
    }
    if (csvColumns_)
        readCsvRow(ctx);
    else
        HeadedOrStandardReader::readLine(ctx);
}

void ScheduleDataReader::readCsvRow(ReadContext& ctx)
{
    ScheduleCsvGame row = readScheduleCsvRow(ctx.line, *csvColumns_, ctx.lineIndex);
    if (ctx.seasonYear.empty())
        ctx.seasonYear = row.date.substr(6, 2);
    ctx.game = {std::move(row.date), std::move(row.visitorCode), std::move(row.homeCode), std::move(row.visitorLeague),
                std::move(row.homeLeague)};
    ctx.applyLeagueOption();
}

void ScheduleDataReader::readStandardLine(ReadContext& ctx)
{
    GameLine& g = ctx.game;
    ctx.readDate(g.date, 4, 6, 8);
    if (ctx.seasonYear.empty())
        ctx.seasonYear = ctx.columns(4, 5);
    ctx.appendColumns(g.visitorCode, 23, 25);
    ctx.appendColumns(g.visitorLeague, 29, 30);

    // The comma after the visiting team's game number (1 to 3 digits)
    // places the home team's fields; without one, the last line's places hold.
    for (std::size_t comma = 34; comma <= 36; ++comma)
        if (ctx.column(comma) == ',') {
            homeColumn_ = comma + 2;
            homeLeagueColumn_ = comma + 8;
        }
    ctx.appendColumns(g.homeCode, homeColumn_, homeColumn_ + 2);
    ctx.appendColumns(g.homeLeague, homeLeagueColumn_, homeLeagueColumn_ + 1);
}

} // namespace rota
