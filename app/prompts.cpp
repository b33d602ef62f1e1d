#include "app/prompts.h"

#include "session/controls.h"

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

QString QtPrompts::openFileName(QWidget* parent, const QString& folder, const QStringList& filters)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog everywhere: it reads the patterns the same way on every system.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList seasonFileFilters(rota::DataType dataType)
{
    QStringList filters;
    for (const rota::FileKind& kind : rota::seasonFileKinds(dataType)) {
        QStringList patterns;
        for (const std::string& extension : kind.extensions) {
            QString pattern = QStringLiteral("*.");
            for (char c : extension) {
                const QChar letter = QLatin1Char(c);
                pattern += letter.isLetter() ? QStringLiteral("[%1%2]").arg(letter.toLower(), letter.toUpper())
                                             : QString(letter);
            }
            patterns << pattern;
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        filters << QString::fromLatin1(kind.label.c_str()) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
