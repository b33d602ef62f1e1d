// Window tests: prompts answered without a person, and a main window over a
// session whose program folder is a fresh temporary folder.
#pragma once

#include "app/mainwindow.h"
#include "app/prompts.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>
#include <sstream>

// Records every message and error, and answers the open dialog from a queue
// (an empty queue is a cancel).
class TestPrompts : public Prompts {
public:
    void message(QWidget*, const QString& text) override { messages.append(text); }
    void error(QWidget* parent, const QString& text) override { message(parent, text); }
    QString openFileName(QWidget*, const QString&, const QStringList& filters) override
    {
        offeredFilters = filters;
        if (files.empty())
            return {};
        QString next = files.front();
        files.pop_front();
        return next;
    }

    QStringList messages, offeredFilters; // messages and errors alike
    std::deque<QString> files;
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
