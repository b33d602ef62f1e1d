// Start-up: the application with its title, the main window and the hidden
// About window, then the message loop.

#include "app/prompts.h"
#include "app/rotaAbout.h"
#include "app/rotaHome.h"

#include <QApplication>
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
    QApplication::setApplicationVersion(QStringLiteral("2.2.0.0"));

    TForm1 form(prompts);
    TForm2 about(&form);
    form.setAbout(&about);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        form.move(desktop.center() - QPoint(form.width() / 2, form.height() / 2));
    }
    form.show();
    QApplication::exec();
    return 0;
}
