#include "app/form/dateentry.h"

#include "common/ascii.h"

#include <algorithm>

namespace rota::form {

namespace {

constexpr std::size_t kLength = 5;
constexpr std::size_t kSlash = 2;

// Clears the digit places of [from, to) in `text`, a text in mask form.
void clearPlaces(std::string& text, std::size_t from, std::size_t to)
{
    for (std::size_t i = std::min(from, kLength); i < std::min(to, kLength); ++i)
        if (i != kSlash)
            text[i] = kDateBlank;
}

} // namespace

std::string maskedDate(std::string_view text)
{
    std::string masked(kLength, kDateBlank);
    masked[kSlash] = '/';
    for (std::size_t i = 0; i < std::min(text.size(), kLength); ++i)
        if (i != kSlash && isAsciiDigit(text[i]))
            masked[i] = text[i];
    return masked;
}

DateEntry typeIntoDate(std::string_view text, std::size_t from, std::size_t to, char c)
{
    DateEntry entry{maskedDate(text), std::min(from, kLength)};
    if (!isAsciiDigit(c))
        return entry;
    clearPlaces(entry.text, from, to);
    std::size_t place = entry.caret == kSlash ? kSlash + 1 : entry.caret;
    if (place >= kLength)
        return entry;
    entry.text[place] = c;
    entry.caret = place + 1 == kSlash ? kSlash + 1 : place + 1;
    return entry;
}

DateEntry eraseInDate(std::string_view text, std::size_t from, std::size_t to, bool forward)
{
    DateEntry entry{maskedDate(text), std::min(from, kLength)};
    if (from < to) {
        clearPlaces(entry.text, from, to);
        return entry;
    }
    if (forward) {
        clearPlaces(entry.text, from, from + 1); // the caret stays
    } else if (from > 0) {
        std::size_t place = from - 1 == kSlash ? kSlash - 1 : from - 1;
        clearPlaces(entry.text, place, place + 1);
        entry.caret = place;
    }
    return entry;
}

} // namespace rota::form
