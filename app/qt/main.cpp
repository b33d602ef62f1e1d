// Start-up: the application with its title, the main window and the hidden
// About window, then the message loop.

#include "app/qt/aboutwindow.h"
#include "app/qt/mainwindow.h"
#include "app/qt/prompts.h"
#include "app/form/form.h"
#include "app/form/prompts.h"
#include "platform/environment.h"
#include "session/session.h"
#include "version.h"

#include <QApplication>
#include <QScreen>

#include <filesystem>

#include <exception>

namespace {

// Shows an error that escaped a command handler in the standard error box;
// the window stays open.
class RotaApplication : public QApplication {
public:
    RotaApplication(int& argc, char** argv, rota::form::Prompts& prompts) : QApplication(argc, argv), prompts_(prompts)
    {
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            prompts_.error(rota::form::errorBoxText(e.what()));
        } catch (...) {
            prompts_.error(rota::form::errorBoxText("Unexpected error"));
        }
        return false;
    }

private:
    rota::form::Prompts& prompts_;
};

} // namespace

int main(int argc, char** argv)
{
    QtPrompts prompts;
    RotaApplication app(argc, argv, prompts);
    QApplication::setApplicationName(QString::fromLatin1(rota::form::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ROTA_VERSION));

    // The program folder holds "rota.ini", the batch file and the compiled
    // data files; rotasch uses the same one. It is made on first use.
    const std::string programFolder = rota::defaultProgramFolder();
    std::error_code ignored; // a folder that cannot be made is reported by the first command that needs it
    std::filesystem::create_directories(std::filesystem::path(programFolder) / "data", ignored);
    rota::Session session(programFolder);
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
