// What each fuzz target does with one input. Each function checks the
// properties that must hold for any input and aborts when one does not;
// the regression test runs the saved inputs through the same functions.
#pragma once

#include "common/textlines.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rota::fuzz {

// The first byte picks the data type, league option and year; the rest is a
// season file, opened through a session with a real rota.ini. A load that
// fails names its line and leaves rota.ini untouched; one that succeeds adds
// only codes of letters and digits, and what it writes decodes back to its
// rows.
void season(const std::uint8_t* data, std::size_t size);

// Line splitting: a text read in pieces gives the lines of the whole text
// (cut to a length, when asked), only line ends (and a byte order mark at
// the start) are dropped
// (a zero byte stays in its line), and saving then loading
// gives the lines back.
void lines(const std::uint8_t* data, std::size_t size);

// The INI store: an INI text, then a script of reads and writes; a value
// written is read back, and saving then loading keeps the text.
void ini(const std::uint8_t* data, std::size_t size);

// The first line is a team name, the rest a rota.ini whose every entry is
// given the name in the team table: each entry shows the name the lookup
// reads, the name goes on the entry's own line and reads back, no line is
// added, and after a save the file holds it.
void entry(const std::uint8_t* data, std::size_t size);

// A schedule CSV file: the first line is the header row, the others game
// rows. Only DataError is thrown; a row that reads gives an MM/DD/YY date;
// every record that splits splits again the same after quoting its fields.
void csv(const std::uint8_t* data, std::size_t size);

// A .sch file: only ScheduleFormatError is thrown, and what decodes is
// written again to the same bytes.
void sch(const std::uint8_t* data, std::size_t size);

// An event file through the box-score stand-in: every game line has the
// layout the batch file relies on.
void eventfile(const std::uint8_t* data, std::size_t size);

// A source that hands out `text` (which must outlive it) at most `piece`
// bytes at a time, so that a LineReader sees every split of it.
ByteSource piecesOf(std::string_view text, std::size_t piece);

} // namespace rota::fuzz
