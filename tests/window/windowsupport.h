// Window tests: prompts answered without a person, and a main window
// running in its own program folder.
#pragma once

#include "app/prompts.h"
#include "app/rotaHome.h"
#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <QStringList>

#include <deque>
#include <memory>
#include <sstream>

// Records every message and answers the open dialog from a queue (an empty
// answer is a cancel).
class TestPrompts : public Prompts {
public:
    void message(QWidget*, const QString& text) override { messages.append(text); }
    void error(QWidget*, const QString& text) override { errors.append(text); }
    QString openFileName(QWidget*, const QString& folder) override
    {
        dialogFolders.append(folder);
        if (files.empty())
            return {};
        QString next = files.front();
        files.pop_front();
        return next;
    }

    QStringList messages;
    QStringList errors;
    QStringList dialogFolders;
    std::deque<QString> files;
};

// A main window created with a fresh program folder as the current folder
// (which the window takes as its program folder).
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    rota::test::TempDir home;
    TestPrompts prompts;
    std::ostringstream batchOutput;
    std::unique_ptr<TForm1> form;

    std::string file(const std::string& name) const { return home.file(name); }
    void writeFile(const std::string& name, const std::string& bytes) const;
    std::string readFile(const std::string& name) const;

    // Chooses data type `index` by clicking it.
    void chooseDataType(int index);
    // Opens `path` with "Open Season" through the dialog.
    void openSeason(const std::string& path);

private:
    QString previousFolder_;
};

// A standard Retrosheet schedule line (no line end) for a game of two AL
// teams on yyyymmdd.
std::string scheduleLine(const std::string& yyyymmdd, const std::string& vis, const std::string& home);

// The rows of the season list as "date|vis|home|dh" texts.
QStringList rowTexts(const TForm1& form);
