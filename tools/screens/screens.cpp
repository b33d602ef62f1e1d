// Renders the windows as a user sees them, into PNG files:
//   screens OUTPUT_FOLDER [SCHEDULE_FILE]
// main.png (the window at start), season.png (a schedule file loaded in
// Schedule Data mode, the team panel open) and about.png.

#include "app/form/form.h"
#include "app/form/prompts.h"
#include "app/qt/aboutwindow.h"
#include "app/qt/mainwindow.h"
#include "app/qt/widgets.h"
#include "session/session.h"
#include "tools/screens/scriptedprompts.h"
#include "platform/fileio.h"

#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

namespace {

bool save(QWidget* window, const QString& path)
{
    QApplication::processEvents();
    if (!window->grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    std::cout << path.toStdString() << "\n";
    return true;
}

const char* kSample = "\"20050403\",\"0\",\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"n\",\"\",\"\"\r\n"
                      "\"20050404\",\"0\",\"Mon\",\"BOS\",\"AL\",2,\"NYA\",\"AL\",2,\"d\",\"\",\"\"\r\n"
                      "\"20050404\",\"0\",\"Mon\",\"OAK\",\"AL\",1,\"BAL\",\"AL\",1,\"d\",\"\",\"\"\r\n";

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: screens OUTPUT_FOLDER [SCHEDULE_FILE]\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir home;
    QString schedule = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                : home.filePath(QStringLiteral("sample.txt"));
    if (argc <= 2)
        rota::writeFileAtomically(schedule.toStdString(), kSample);

    ScriptedPrompts prompts(schedule.toStdString());
    rota::Session session(home.path().toStdString());
    MainWindow form(session, prompts);
    AboutWindow about(&form);
    form.setAbout(&about);
    form.move(300, 100);
    form.show();
    bool ok = save(&form, out + QStringLiteral("/main.png"));

    form.findChild<RadioGroup*>(QString::fromLatin1(rota::form::name::dataType))->clickItem(2);
    form.findChild<QPushButton*>(QString::fromLatin1(rota::form::name::openSeason))->click();
    ok = save(&form, out + QStringLiteral("/season.png")) && ok;

    QTimer::singleShot(200, [&] {
        ok = save(&about, out + QStringLiteral("/about.png")) && ok;
        about.accept();
    });
    form.findChild<QToolButton*>(QString::fromLatin1(rota::form::name::about))->click();
    return ok ? 0 : 1;
}
