// Renders the windows as a user sees them, into PNG files:
//   screens OUTPUT_FOLDER [SCHEDULE_FILE]
// main.png (the window at start), season.png (a schedule file loaded in
// Schedule Data mode, the team panel open) and about.png.

#include "app/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/prompts.h"
#include "app/widgets.h"
#include "session/session.h"
#include "platform/fileio.h"

#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

namespace {

// Answers the open dialog with one file; messages go to standard error.
class ScriptedPrompts : public Prompts {
public:
    explicit ScriptedPrompts(QString file) : file_(std::move(file)) {}
    void message(QWidget*, const QString& text) override { std::cerr << text.toStdString() << "\n"; }
    void error(QWidget*, const QString& text) override { std::cerr << text.toStdString() << "\n"; }
    QString openFileName(QWidget*, const QString&, const QStringList&) override { return file_; }

private:
    QString file_;
};

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

    ScriptedPrompts prompts(schedule);
    rota::Session session(home.path().toStdString());
    MainWindow form(session, prompts);
    AboutWindow about(&form);
    form.setAbout(&about);
    form.move(300, 100);
    form.show();
    bool ok = save(&form, out + QStringLiteral("/main.png"));

    form.findChild<RadioGroup*>(QStringLiteral("RadioGroup2"))->clickItem(2);
    form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    ok = save(&form, out + QStringLiteral("/season.png")) && ok;

    QTimer::singleShot(200, [&] {
        ok = save(&about, out + QStringLiteral("/about.png")) && ok;
        about.accept();
    });
    form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
    return ok ? 0 : 1;
}
