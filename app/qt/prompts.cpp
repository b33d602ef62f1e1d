#include "app/qt/prompts.h"

#include "app/form/form.h"
#include "app/qt/latin1.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

int showBox(QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromLatin1(rota::form::kApplicationTitle), fromLatin1(text), buttons,
                    QApplication::activeWindow());
    return box.exec();
}

} // namespace

void QtPrompts::message(const std::string& text)
{
    showBox(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void QtPrompts::error(const std::string& text)
{
    showBox(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool QtPrompts::ask(const std::string& question)
{
    return showBox(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompts::openFileName(const std::string& folder, const std::vector<rota::FileKind>& kinds)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString::fromLocal8Bit(folder.c_str()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog everywhere: it reads the patterns the same way on every system.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(fileDialogFilters(kinds));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toLocal8Bit().toStdString();
}

QStringList fileDialogFilters(const std::vector<rota::FileKind>& kinds)
{
    QStringList filters;
    for (const rota::FileKind& kind : kinds) {
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
        filters << fromLatin1(kind.label) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}
