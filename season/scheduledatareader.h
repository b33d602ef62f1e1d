// Reader of Retrosheet schedule files: the comma-separated files with a
// header row that Retrosheet publishes today, the standard layout (fixed
// columns, the home team shifted by the width of the visiting team's game
// number) and the headed layout.
#pragma once

#include "season/headedlayout.h"
#include "season/schedulecsv.h"

#include <optional>

namespace rota {

class ScheduleDataReader : public HeadedOrStandardReader {
public:
    std::size_t minimumLength() const override { return csvColumns_ ? 1 : 27; }
    void readLine(ReadContext& ctx) override;
    bool foldsDistantRepeats() const override { return csvColumns_.has_value(); }

protected:
    void readStandardLine(ReadContext& ctx) override;

private:
    void readCsvRow(ReadContext& ctx);

    std::optional<ScheduleCsvColumns> csvColumns_; // set when line 0 is a header row
    std::size_t homeColumn_ = 36;
    std::size_t homeLeagueColumn_ = 42;
};

} // namespace rota
