// Reader of Retrosheet game-log files, in the standard layout (fields found
// by scanning for their quotes and commas) or the headed layout.
#pragma once

#include "season/reader.h"

#include <string>

namespace rota {

class GameLogsReader : public SeasonReader {
public:
    std::size_t minimumLength() const override { return 43; }

    // Throws DataError when a field's closing quote and comma, or a scanned
    // for comma, is missing.
    void readLine(ReadContext& ctx) override;

private:
    void readStandardLine(ReadContext& ctx);
    std::string collectField(ReadContext& ctx);
    void advanceToComma(ReadContext& ctx);

    std::string layoutMarker;
    std::size_t cursor = 0;
};

} // namespace rota
