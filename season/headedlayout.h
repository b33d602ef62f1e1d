// Schedule files and game logs come in a standard layout of their own and in
// a shared headed layout: line 0 begins with "Date and is a header; each
// later line starts with "MM/DD", maybe followed by a game number in
// parentheses, then the quoted visiting team, home team and a one-letter
// league.
#pragma once

#include "season/reader.h"

#include <string_view>

namespace rota {

// A reader that picks the layout from columns 1-5 of line 0 and then reads
// every line in it, applying the league option.
class HeadedOrStandardReader : public SeasonReader {
public:
    void readLine(ReadContext& ctx) override;

protected:
    // Reads a line of the standard layout into ctx.game. Throws DataError.
    virtual void readStandardLine(ReadContext& ctx) = 0;

private:
    bool headed_ = false;
};

// True when `line`, the first of a file, is the header of the headed layout.
inline bool isHeadedLayoutHeader(std::string_view line)
{
    return line.substr(0, 5) == "\"Date";
}

} // namespace rota
