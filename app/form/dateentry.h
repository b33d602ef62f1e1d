// Typing into a date box with the mask "MM/DD": two digits, a fixed slash,
// two digits, each unfilled place shown as "_". A toolkit without masked
// edits keeps the box's text with these rules, as a masked edit would.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rota::form {

inline constexpr char kDateBlank = '_';

// The box's text and caret after a key.
struct DateEntry {
    std::string text; // always five characters: "04/01", "0_/__"
    std::size_t caret = 0;
};

// `text` as the box shows it: digits kept in their places, anything else
// there shown as "_", the slash in the middle.
std::string maskedDate(std::string_view text);

// Types `c` at the caret, over the selection [from, to): the selection is
// cleared first; a digit fills the next digit place (passing the slash) and
// the caret moves after it. Anything but a digit types nothing.
DateEntry typeIntoDate(std::string_view text, std::size_t from, std::size_t to, char c);

// Backspace (`forward` false) or Delete (`forward` true) over the
// selection [from, to), or the place before or after the caret when the
// selection is empty: the places become "_", the slash stays.
DateEntry eraseInDate(std::string_view text, std::size_t from, std::size_t to, bool forward);

} // namespace rota::form
