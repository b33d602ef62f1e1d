// Reader of Retrosheet schedule files, in the standard layout (fixed
// columns, the home team shifted by the width of the visiting team's game
// number) or the headed layout.
#pragma once

#include "season/reader.h"

#include <string>

namespace rota {

class ScheduleDataReader : public SeasonReader {
public:
    std::size_t minimumLength() const override { return 27; }

    // Throws DataError when the line ends before a column it needs.
    void readLine(ReadContext& ctx) override;

    std::size_t homeColumn() const { return homeColumn_; }
    std::size_t homeLeagueColumn() const { return homeLeagueColumn_; }

private:
    void readStandardLine(ReadContext& ctx);

    std::string layoutMarker;
    std::size_t homeColumn_ = 36;
    std::size_t homeLeagueColumn_ = 42;
};

} // namespace rota
