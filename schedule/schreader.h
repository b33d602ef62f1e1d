// Reading a PVX schedule file back: the header record, then one day record
// per date in ascending order, each of 430 bytes (see schwriter.h).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

// A file that is not a well-formed schedule. what() is "byte N: cause",
// N being the offset (from 0) of the first byte found wrong.
class ScheduleFormatError : public std::runtime_error {
public:
    ScheduleFormatError(std::size_t offset, const std::string& cause);
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

struct ScheduleGame {
    std::string date;    // MM/DD/YY
    std::string visitor; // trailing blanks removed
    std::string home;    // trailing blanks removed
    bool doubleheader = false;
    bool operator==(const ScheduleGame&) const = default;
};

// The games of a schedule file, in file order. Throws ScheduleFormatError
// for a size that is not a positive multiple of 430, a header record other
// than "D" and 429 blanks, a day record that does not start with two blanks
// and an MM/DD/YY date, a slot whose DH field is neither "/n:2" nor blank
// or whose last 6 bytes are not blank, a game after an empty slot, a day
// record without a game, and a date that does not come after the date of
// the record before (in the byte order of the text, as the list sorts).
std::vector<ScheduleGame> decodeScheduleFile(std::string_view bytes);

// A plain text table of `games`: a header line, one line per game, and a
// last line counting the games and dates, each line ended by "\n".
std::string formatScheduleTable(const std::vector<ScheduleGame>& games);

} // namespace rota
