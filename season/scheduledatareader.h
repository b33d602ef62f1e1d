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

private:
    void readStandardLine(ReadContext& ctx);

    std::string layoutMarker;
    std::size_t homeColumn = 36;
    std::size_t homeLeagueColumn = 42;
};

} // namespace rota
