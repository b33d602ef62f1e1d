// Loads a season text with the real readers, for the reader tests.
#pragma once

#include "season/seasonloader.h"
#include "tests/support/testsupport.h"

#include <string>
#include <vector>

namespace rota::test {

struct Loaded {
    SeasonList list;
    std::vector<std::string> keys;
    LineState state;
    std::string error; // what() of a DataError, "" when the load finished
    std::string ini;   // rota.ini afterwards ("" when not made)
};

// Loads `text` as data type `dataType` with league option `league` and the
// year spin at `year`; `ini` is the configuration file's text beforehand.
Loaded loadText(const std::string& text, int dataType, int league = LeagueALNL, int year = 1900,
                const std::string& ini = "");

// Loads a file as it stands on disk (same as loadText otherwise).
Loaded loadFile(const std::string& path, int dataType, int league = LeagueALNL, int year = 1900,
                const std::string& ini = "");

} // namespace rota::test
