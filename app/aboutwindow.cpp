#include "app/aboutwindow.h"

#include "version.h"

#include "app/appicon.h"
#include "app/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

QFont arialBold(int pixels, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixels);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int left, int top,
                  int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About Rota Schedule"));
    setFixedSize(312, 254);
    setModal(true);
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(appPixmap());
    icon->setGeometry(16, 16, 32, 32);

    auto* name = makeLabel(this, "Label1", QStringLiteral("PVX Rota Schedule"), arialBold(19, true), 88, 16, 181, 23);
    auto* version = makeLabel(this, "Label2", QStringLiteral("Version " ROTA_VERSION_SHORT), arialBold(11), 144, 40,
                              71, 14);
    auto* buildDate = makeLabel(this, "Label5", QStringLiteral("Build Date:  September 14, 2005"), arialBold(11), 94,
                                56, 170, 14);
    auto* copyright = makeLabel(this, "Label3", QString::fromUtf8("\u00A9 2005-2026 the Rota team"), arialBold(11),
                                76, 80, 201, 14);

    credits_ = new QPlainTextEdit(this);
    credits_->setObjectName(QStringLiteral("Memo1"));
    credits_->setGeometry(8, 104, 297, 145);
    credits_->setFont(arialBold(11));
    credits_->setReadOnly(true);
    credits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    credits_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    credits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    credits_->setPlainText(creditLines().join(QLatin1Char('\n')));
    QPalette palette = credits_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    credits_->setPalette(palette);

    for (QWidget* clickable : {static_cast<QWidget*>(icon), static_cast<QWidget*>(name),
                               static_cast<QWidget*>(version), static_cast<QWidget*>(buildDate),
                               static_cast<QWidget*>(copyright), credits_->viewport()})
        clickable->installEventFilter(this);
}

QStringList AboutWindow::creditLines()
{
    return {
        QStringLiteral("Rota Schedule belongs to the Rota tools,"),
        QStringLiteral("a family of utilities for the PVX game."),
        QString::fromUtf8("Rota tools \u00A9 2005-2026 the Rota team."),
        QString::fromUtf8("PVX baseball \u00A9 its makers."),
        QStringLiteral(" "),
        QStringLiteral("The information used here was obtained"),
        QStringLiteral("free of charge from and is copyrighted by"),
        QStringLiteral("Retrosheet. Interested parties may contact"),
        QStringLiteral("Retrosheet at \"www.retrosheet.org\"."),
        QStringLiteral("Some data are copyrighted by the sports"),
        QStringLiteral("data company named in their own notice."),
        QString(),
        QString(),
        QStringLiteral("Thanks to our testers for their help"),
        QStringLiteral("in debugging this program."),
        QStringLiteral("Thanks to the makers of PVX for a"),
        QStringLiteral("great baseball simulation game."),
    };
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
