#include "app/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

void QtPrompts::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPrompts::error(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, errorBoxText(text), QMessageBox::Ok, parent);
    box.exec();
}

QString QtPrompts::openFileName(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, QStringLiteral("Text Files (*.txt *.TXT)"));
}

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
