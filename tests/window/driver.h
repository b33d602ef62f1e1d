// A main window driven as a user drives it, whatever toolkit draws it: the
// window tests are written once against this, and run against the Qt
// window and the Win32 window alike. Controls are named by their component
// names (rota::form::name); texts are Latin-1 byte strings.
#pragma once

#include "app/form/form.h"
#include "app/form/prompts.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace rota::test {

enum class Key { Down, Return, Backspace };

// Prompts answered without a person: every message, error and question is
// kept; questions are answered from a queue (an empty queue says No), and
// the open dialog from a queue of files (an empty queue is a cancel).
class TestPrompts : public form::Prompts {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    void error(const std::string& text) override { messages.push_back(text); }
    bool ask(const std::string& question) override
    {
        messages.push_back(question);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    std::optional<std::string> openFileName(const std::string& folder, const std::vector<FileKind>& kinds) override
    {
        offeredFolder = folder;
        offeredKinds = kinds;
        if (files.empty())
            return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }

    // Every message, error and question shown, one after the other.
    std::string allMessages() const
    {
        std::string all;
        for (const std::string& m : messages)
            all += m + "\n";
        return all;
    }

    std::vector<std::string> messages; // messages, errors and questions alike
    std::string offeredFolder;
    std::vector<FileKind> offeredKinds;
    std::deque<std::string> files;
    std::deque<bool> answers;
};

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // A click on a push button, or on "Select Year".
    virtual void click(const char* name) = 0;
    // A click on item `item` of a radio group.
    virtual void chooseItem(const char* radioGroup, int item) = 0;
    // Sets a box's text (a spin box's number) as a program would.
    virtual void setText(const char* name, const std::string& text) = 0;
    // Selects all of a box's text and types `text` over it, key by key.
    virtual void type(const char* name, const std::string& text) = 0;
    virtual void press(const char* name, Key key) = 0;
    // Moves to line `line` of the "Rota.ini" list with the arrow keys, from
    // its first line.
    virtual void moveToTeamLine(int line) = 0;
    // Edits the date of the list's row `row` in place, as a user would.
    virtual void editDate(int row, const std::string& date) = 0;

    virtual bool enabled(const char* name) const = 0;
    virtual bool visible(const char* name) const = 0;
    // The text of a box or caption.
    virtual std::string text(const char* name) const = 0;
    virtual std::string title() const = 0;
    // The season list's rows as "date|vis|home|dh", and those selected.
    virtual std::vector<std::string> rows() const = 0;
    virtual std::vector<int> selectedRows() const = 0;
    // The lines the "Rota.ini" panel shows.
    virtual std::vector<std::string> teamLines() const = 0;
    // The window's client width in the form's pixels.
    virtual int clientWidth() const = 0;
    // The name screen readers give the control.
    virtual std::string accessibleName(const char* name) const = 0;
};

// The window of this test program's toolkit over `session`.
std::unique_ptr<WindowDriver> makeWindowDriver(Session& session, form::Prompts& prompts, std::ostream& batchOutput);

// A main window over a session whose program folder is a fresh folder.
struct WindowFixture {
    WindowFixture() : session(home.path()), window(makeWindowDriver(session, prompts, batchOutput)) {}

    TempDir home;
    TestPrompts prompts;
    std::ostringstream batchOutput;
    Session session;
    std::unique_ptr<WindowDriver> window;

    std::string file(const std::string& name) const { return home.file(name); }
    void chooseDataType(DataType type) const { window->chooseItem(form::name::dataType, static_cast<int>(type)); }
    void openSeason(const std::string& path)
    {
        prompts.files.push_back(path);
        window->click(form::name::openSeason);
    }
};

} // namespace rota::test
