#include "app/rotaAbout.h"

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

QLabel* makeLabel(QWidget* parent, const QString& text, const QFont& font, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About Rota Schedule"));
    setFixedSize(312, 254);
    setModal(true);
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);

    Image1 = new QLabel(this);
    Image1->setPixmap(appPixmap());
    Image1->setGeometry(16, 16, 32, 32);

    Label1 = makeLabel(this, QStringLiteral("PVX Rota Schedule"), arialBold(19, true), 88, 16, 181, 23);
    Label2 = makeLabel(this, QStringLiteral("Version 2.2.0"), arialBold(11), 144, 40, 71, 14);
    Label5 = makeLabel(this, QStringLiteral("Build Date:  September 14, 2005"), arialBold(11), 94, 56, 170, 14);
    Label3 = makeLabel(this, QString::fromUtf8("\u00A9 2005-2026 the Rota team"), arialBold(11), 76, 80, 201, 14);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 104, 297, 145);
    Memo1->setFont(arialBold(11));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(creditLines().join(QLatin1Char('\n')));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    Memo1->setPalette(palette);

    for (QWidget* clickable : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label1),
                               static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label5),
                               static_cast<QWidget*>(Label3), Memo1->viewport()})
        clickable->installEventFilter(this);
}

QStringList TForm2::creditLines()
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

void TForm2::centreOver(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
}

void TForm2::FormClick()
{
    accept();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        FormClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    FormClick();
}
