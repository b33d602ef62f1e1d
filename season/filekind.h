// Telling from a file's first lines which kind of Retrosheet file it is,
// for callers that are not told (the command line).
#pragma once

#include "common/vocabulary.h"

#include <optional>
#include <string>
#include <string_view>

namespace rota {

struct SeasonFileKind {
    std::optional<DataType> dataType; // empty when the content does not tell
    bool needsYear = false;           // the layout carries no year: the caller must give one
    std::string reason;               // why the type is unclear, when it is
};

// Recognises the kind of a season file from its first non-empty line:
// a header-row schedule CSV, a schedule or game-log file of the standard
// layouts (a game log has over a hundred fields a line, a schedule a dozen),
// or a data file made by Compile Data (a game id, then a MM/DD/YY date).
// The headed layout, shared by schedule files and game logs, is left
// unclear.
SeasonFileKind recogniseSeasonFile(std::string_view text);

// The season year named by four digits in a file name ("GL1915.TXT",
// "1915SKED.TXT", "2024schedule.csv"), if one group of four digits from
// 1870 to 2099 stands there.
std::optional<int> yearInFileName(std::string_view fileName);

} // namespace rota
