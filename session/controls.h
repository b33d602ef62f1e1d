// Which commands and settings the window offers at each step of the work:
// one table, from the data type chosen and the state of the session.
#pragma once

#include "common/vocabulary.h"

#include <string>
#include <vector>

namespace rota {

enum class SessionState {
    Idle,       // nothing loaded since the data type was chosen
    Compiled,   // Compile Data made a data file; Open Season may read it
    Loaded,     // a season was read and may be written
    LoadFailed, // the last load failed; its rows are no season to write
};

struct ControlStates {
    bool compileData;      // "Compile Data"
    bool gameDataSettings; // year, data file name, start and end dates
    bool openSeason;       // "Open Season" (the "Select Year" label is no part of
                           // this table: it opens a season in any mode)
    bool writeSchedule;    // "Create .SCH" and the ".SCH" file name
    bool leagueHint;       // "Select a league option before Opening a Season"
};

ControlStates controlStates(DataType dataType, SessionState state);

// A kind of file the open dialog offers: its label and extensions (none for
// all files). Extensions match in any letter case.
struct FileKind {
    std::string label;
    std::vector<std::string> extensions;
};

// What the open dialog offers for a season of `dataType`, the first kind
// chosen at first.
std::vector<FileKind> seasonFileKinds(DataType dataType);

} // namespace rota
