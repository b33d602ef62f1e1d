// Retrosheet's comma-separated schedule files (YYYYschedule.csv): a header
// row naming the columns, then one row per scheduled game, for example
//
//   Date,Num,Day,Visitor,League,Game,Home,League,Game,Day/Night,Postponed,Makeup
//   "20050403","0","Sun","BOS","AL",1,"NYA","AL",1,"N","",""
//
// Fields may be quoted or not, and newer files add columns (Location), so
// the columns a game needs are found by their names in the header row.
#pragma once

#include "season/dataerror.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

// Splits one CSV record into `fields` (replacing what it held). A field is
// quoted or not; inside quotes a comma is kept and "" stands for one quote;
// empty fields are kept, so "a,,b" gives three fields and "" gives one.
// Returns false when a quoted field has no closing quote.
bool splitCsvRecord(std::string_view line, std::vector<std::string>& fields);

// True when `firstLine` is the header row of a schedule CSV file: its first
// fields are Date, Num, Day and Visitor, in any ASCII case, quoted or not,
// after an optional UTF-8 byte order mark.
bool isScheduleCsvHeader(std::string_view firstLine);

// Where the fields a game needs stand in each row, counted from 0, and how
// many fields the header row names.
struct ScheduleCsvColumns {
    std::size_t date = 0;
    std::size_t visitor = 0;
    std::size_t visitorLeague = 0;
    std::size_t home = 0;
    std::size_t homeLeague = 0;
    std::size_t fieldCount = 0;
};

// Finds the columns named Date, Visitor, Home and the League column that
// follows each team column (before the next team column). Throws DataError
// ("line 1: ...") when the header row is unreadable or a column is missing.
ScheduleCsvColumns scheduleCsvColumns(std::string_view headerLine);

struct ScheduleCsvGame {
    std::string date; // MM/DD/YY
    std::string visitorCode;
    std::string visitorLeague;
    std::string homeCode;
    std::string homeLeague;
};

// The game of the row at `lineIndex` (counted from 0; messages name line
// lineIndex + 1). Codes and leagues are returned as they stand. Throws
// DataError for an unterminated quote, a row with fewer fields than the
// header names, or a date that is not YYYYMMDD with a month 01-12 and a
// day 01-31.
ScheduleCsvGame readScheduleCsvRow(std::string_view line, const ScheduleCsvColumns& columns, std::size_t lineIndex);

} // namespace rota
