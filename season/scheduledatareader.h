// Reader of Retrosheet schedule files, in the standard layout (fixed
// columns, the home team shifted by the width of the visiting team's game
// number) or the headed layout.
#pragma once

#include "season/headedlayout.h"

namespace rota {

class ScheduleDataReader : public HeadedOrStandardReader {
public:
    std::size_t minimumLength() const override { return 27; }

protected:
    void readStandardLine(ReadContext& ctx) override;

private:
    std::size_t homeColumn_ = 36;
    std::size_t homeLeagueColumn_ = 42;
};

} // namespace rota
