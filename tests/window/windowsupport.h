// Window tests: prompts answered without a person, and a main window over a
// session whose program folder is a fresh temporary folder.
#pragma once

#include "app/form/form.h"
#include "app/form/prompts.h"
#include "app/qt/mainwindow.h"
#include "app/qt/prompts.h"
#include "session/session.h"
#include "tests/support/testprompts.h"
#include "tests/support/testsupport.h"

#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>
#include <sstream>

class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    rota::test::TempDir home;
    rota::test::TestPrompts prompts;
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
    // The filters the open dialog offered last.
    QStringList offeredFilters() const { return fileDialogFilters(prompts.offeredKinds); }
    // The rows of the season list as "date|vis|home|dh" texts.
    QStringList rows() const;
};
