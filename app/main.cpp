// Start-up: the application with its title, the main window and the hidden
// About window, then the message loop.

#include "app/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/prompts.h"
#include "session/session.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include <exception>

namespace {

// Shows an error that escaped a command handler in the standard error box;
// the window stays open.
class RotaApplication : public QApplication {
public:
    RotaApplication(int& argc, char** argv, Prompts& prompts) : QApplication(argc, argv), prompts_(prompts) {}

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            prompts_.error(activeWindow(), QString::fromLocal8Bit(e.what()));
        } catch (...) {
            prompts_.error(activeWindow(), QStringLiteral("Unexpected error"));
        }
        return false;
    }

private:
    Prompts& prompts_;
};

} // namespace

int main(int argc, char** argv)
{
    QtPrompts prompts;
    RotaApplication app(argc, argv, prompts);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ROTA_VERSION));

    // The program folder is the folder the program was started in: it holds
    // "rota.ini", the batch file and the compiled data files.
    rota::Session session(QDir::currentPath().toLocal8Bit().toStdString());
    MainWindow form(session, prompts);
    AboutWindow about(&form);
    form.setAbout(&about);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        form.move(desktop.center() - QPoint(form.width() / 2, form.height() / 2));
    }
    form.show();
    QApplication::exec();
    return 0;
}
