// Reader of Retrosheet game-log files, in the standard layout (fields found
// by scanning for their quotes and commas) or the headed layout.
#pragma once

#include "season/headedlayout.h"

#include <string>

namespace rota {

class GameLogsReader : public HeadedOrStandardReader {
public:
    std::size_t minimumLength() const override { return 43; }

protected:
    // Throws DataError when a field's closing quote and comma, or a comma
    // scanned for, is missing.
    void readStandardLine(ReadContext& ctx) override;

private:
    std::string collectField(ReadContext& ctx);
    void advanceToComma(ReadContext& ctx);

    std::size_t cursor_ = 0;
};

} // namespace rota
