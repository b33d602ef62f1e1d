// Reader of the box-score tool's output: lines of kShortestGameLine
// characters or more are game lines; the date stands at columns 17-24 (15-22 when columns 5-6
// hold "67") and the team codes follow the seventh comma.
#pragma once

#include "season/reader.h"

namespace rota {

class GameDataReader : public SeasonReader {
public:
    std::size_t minimumLength() const override { return kShortestGameLine; }

    // Throws DataError when the line has fewer than seven commas or a code
    // runs past its end.
    void readLine(ReadContext& ctx) override;
};

} // namespace rota
