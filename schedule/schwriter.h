// The PVX schedule file: a header record and one day record per run of
// games with equal dates, each exactly 430 characters, written back to back.
#pragma once

#include "season/seasonlist.h"

#include <functional>
#include <string>
#include <vector>

namespace rota {

inline constexpr std::size_t kRecordLength = 430;
inline constexpr std::size_t kSlotsPerDay = 15;
inline constexpr std::size_t kSlotLength = 28;
inline constexpr std::size_t kTeamTextLength = 8;
inline constexpr std::size_t kDateLength = 8;

// What keeps `rows` from fitting the format, one text per problem: every run
// of more than 15 games on one date ("05/30/84: 20 games"), every date
// (edited by the user) of other than 8 characters, and every Vis or Home
// text longer than 8 characters, empty (an empty slot ends a day record) or
// holding a control character (see isControlByte; the decoder refuses them).
// Empty when the list fits.
std::vector<std::string> scheduleLimitProblems(const std::vector<GameRow>& rows);

// The whole file for `rows`. Calls `progress` with (i, n) after game i of n
// has been placed. Throws std::length_error for rows that do not fit the
// format (see scheduleLimitProblems), so no record of another length than
// 430 characters is ever made.
std::string buildScheduleFile(const std::vector<GameRow>& rows,
                              const std::function<void(std::size_t i, std::size_t n)>& progress = {});

// What is said of a list that does not fit, above the list of its problems.
std::string scheduleLimitMessage();

} // namespace rota
