// Window tests: prompts answered without a person, and a main window over a
// session whose program folder is a fresh temporary folder.
#pragma once

#include "app/form/form.h"
#include "app/form/prompts.h"
#include "app/qt/mainwindow.h"
#include "app/qt/prompts.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>
#include <sstream>

// Records every message, error and question, answers questions from a
// queue (an empty queue says No), and answers the open dialog from a queue
// (an empty queue is a cancel).
class TestPrompts : public rota::form::Prompts {
public:
    void message(const std::string& text) override { messages.append(QString::fromLatin1(text.c_str())); }
    void error(const std::string& text) override { message(text); }
    bool ask(const std::string& question) override
    {
        message(question);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    std::optional<std::string> openFileName(const std::string&, const std::vector<rota::FileKind>& kinds) override
    {
        offeredFilters = fileDialogFilters(kinds);
        if (files.empty())
            return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }

    QStringList messages, offeredFilters; // messages, errors and questions alike
    std::deque<std::string> files;
    std::deque<bool> answers;
};

class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    rota::test::TempDir home;
    TestPrompts prompts;
    std::ostringstream batchOutput;
    std::unique_ptr<rota::Session> session;
    std::unique_ptr<MainWindow> window;

    std::string file(const std::string& name) const { return home.file(name); }
    void writeFile(const std::string& name, const std::string& bytes) const { rota::test::writeFile(file(name), bytes); }
    std::string readFile(const std::string& name) const { return rota::test::readFile(file(name)); }

    // The control of that component name.
    template <typename W>
    W* control(const char* name) const { return window->findChild<W*>(QString::fromLatin1(name)); }
    bool enabled(const char* name) const { return control<QWidget>(name)->isEnabled(); }

    // Clicks data type `index` of "Retrosheet Data Type".
    void chooseDataType(int index);
    // "Open Season", answering the dialog with `path`.
    void openSeason(const std::string& path);
    void click(const char* buttonName);
    // The rows of the season list as "date|vis|home|dh" texts.
    QStringList rows() const;
};
