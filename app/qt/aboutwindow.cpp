#include "app/qt/aboutwindow.h"

#include "app/form/form.h"
#include "app/qt/latin1.h"
#include "app/qt/appicon.h"
#include "app/qt/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace form = rota::form;

namespace {

QFont arialBold(int pixels, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(form::name::aboutWindow));
    setWindowTitle(QString::fromLatin1(form::kAboutWindowTitle));
    setFixedSize(form::kAboutClientWidth, form::kAboutClientHeight);
    setModal(true);
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);

    auto* icon = new QLabel(this);
    icon->setObjectName(QString::fromLatin1(form::name::aboutIcon));
    icon->setPixmap(appPixmap());
    const form::Place& iconPlace = form::kAboutIconPlace;
    icon->setGeometry(iconPlace.left, iconPlace.top, iconPlace.width, iconPlace.height);
    icon->installEventFilter(this);

    for (const form::AboutText& t : form::aboutTexts()) {
        auto* label = new QLabel(fromLatin1(t.text), this);
        label->setObjectName(QString::fromLatin1(t.name));
        label->setFont(arialBold(t.fontPixels, t.italic));
        label->setGeometry(t.place.left, t.place.top, t.place.width, t.place.height);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->installEventFilter(this);
    }

    QStringList credits;
    for (std::string_view line : form::creditLines())
        credits << fromLatin1(line);
    credits_ = new QPlainTextEdit(this);
    credits_->setObjectName(QString::fromLatin1(form::name::aboutCredits));
    const form::Place& creditsPlace = form::kAboutCreditsPlace;
    credits_->setGeometry(creditsPlace.left, creditsPlace.top, creditsPlace.width, creditsPlace.height);
    credits_->setFont(arialBold(11));
    credits_->setReadOnly(true);
    credits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    credits_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    credits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    credits_->setPlainText(credits.join(QLatin1Char('\n')));
    QPalette palette = credits_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    credits_->setPalette(palette);
    credits_->viewport()->installEventFilter(this);
}

void AboutWindow::centreOver(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
}

void AboutWindow::onClick()
{
    accept();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        onClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    onClick();
}
