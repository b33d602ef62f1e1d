// The windows' form without a window: typing into a date box, and how an
// outcome reads in a message box. (That each caption names the box after
// it, as screen readers on Windows take it, the window tests check.)
#include "app/form/dateentry.h"
#include "app/form/prompts.h"

#include <gtest/gtest.h>

#include <string>

namespace rota::form {
namespace {

TEST(DateEntry, TypingKeepsTheMask)
{
    const struct {
        const char* before;
        std::size_t from, to;
        char key; // a digit or letter typed, or '\b' and '\x7f' for Backspace and Delete
        const char* after;
        std::size_t caret;
    } cases[] = {
        {"04/01", 0, 5, '1', "1_/__", 1},  // over everything selected
        {"1_/__", 1, 1, '0', "10/__", 3},  // the caret passes the slash
        {"10/__", 2, 2, '3', "10/3_", 4},  // typed on the slash: the next digit place
        {"10/31", 5, 5, '9', "10/31", 5},  // no place left
        {"10/31", 1, 1, 'x', "10/31", 1},  // a letter types nothing
        {"10/31", 3, 3, '\b', "1_/31", 1}, // Backspace passes the slash
        {"10/31", 0, 0, '\b', "10/31", 0}, // nothing before the first place
        {"10/31", 1, 4, '\b', "1_/_1", 1}, // a selection is cleared, the slash stays
        {"10/31", 3, 3, '\x7f', "10/_1", 3}, {"10/31", 2, 2, '\x7f', "10/31", 2}, // Delete on the slash
        {"7", 1, 1, '4', "74/__", 3}, // a short text is read into the mask first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " key " + std::to_string(c.key));
        const bool erases = c.key == '\b' || c.key == '\x7f';
        const DateEntry entry =
            erases ? eraseInDate(c.before, c.from, c.to, c.key == '\x7f') : typeIntoDate(c.before, c.from, c.to, c.key);
        EXPECT_EQ(entry.text, c.after);
        EXPECT_EQ(entry.caret, c.caret);
    }
    EXPECT_EQ(maskedDate("4/1"), "4_/__");
    EXPECT_EQ(maskedDate("12/31/05"), "12/31");
}

TEST(MessageText, LaysTheOutcomeOutForAMessageBox)
{
    Outcome failed = Outcome::failed("line 3: column 34 is past the end of the line").titled(kLoadFailureTitle);
    EXPECT_EQ(messageText(failed), "Data Error\nline 3: column 34 is past the end of the line");
    EXPECT_EQ(messageText(Outcome::refused("It does not fit.", "", {"05/30/84: 19 games", "\"05Boston\": 9"})),
              "It does not fit.\n\n05/30/84: 19 games\n\"05Boston\": 9");
    EXPECT_EQ(messageText(Outcome::success()), "");

    EXPECT_EQ(errorBoxText("cannot open x"), "cannot open x.");
    EXPECT_EQ(errorBoxText("done."), "done.");
    EXPECT_EQ(errorBoxText("done!"), "done!");      // "!" comes before "."
    EXPECT_EQ(errorBoxText("caf\xE9"), "caf\xE9."); // a Latin-1 letter comes after it
}

} // namespace
} // namespace rota::form
