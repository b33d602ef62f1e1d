// The headed layout shared by schedule files and game logs: line 0 begins
// with "Date and is a header; each later line starts with "MM/DD", maybe
// followed by a game number in parentheses, then the quoted visiting team,
// home team and a one-letter league.
#pragma once

#include "season/reader.h"

#include <string>

namespace rota {

// True when `marker` (columns 1-5 of line 0) selects the headed layout.
bool isHeadedLayoutMarker(const std::string& marker);

// Reads one line of the headed layout; on line 0 it passes over the header
// and reads line 1 instead. Sets date, codes and leagues, and the season
// year from the year spin when still empty. Throws DataError.
void readHeadedLine(ReadContext& ctx);

} // namespace rota
