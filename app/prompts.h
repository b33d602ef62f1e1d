// The one seam through which the window asks the user something: modal
// message boxes and the file-open dialog. Tests give the window their own
// Prompts that answer without a person.
#pragma once

#include "common/vocabulary.h"

#include <QString>
#include <QStringList>

class QWidget;

class Prompts {
public:
    virtual ~Prompts() = default;

    // A plain message box: the text, one OK button, the application title.
    virtual void message(QWidget* parent, const QString& text) = 0;

    // The standard error box (stop icon, OK button) for an error that no
    // command caught.
    virtual void error(QWidget* parent, const QString& text) = 0;

    // The file-open dialog, starting in `folder`, offering the `filters`
    // (Qt's "Label (*.ext)" form, the first chosen). Returns the chosen
    // file, or an empty string on cancel.
    virtual QString openFileName(QWidget* parent, const QString& folder, const QStringList& filters) = 0;
};

// Prompts shown with Qt's own message boxes and file dialog.
class QtPrompts : public Prompts {
public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& folder, const QStringList& filters) override;
};

// The application title: caption of the main window and of every box.
inline const char* const kApplicationTitle = "PVX Rota Schedule";

// The text of the error box: a full stop is added when the message's last
// character comes after "." in character order.
QString errorBoxText(const QString& message);

// The open dialog's filters for a season of `dataType`. Each extension
// matches in any letter case ("*.[tT][xX][tT]"); the patterns are hidden
// behind the labels in the dialog.
QStringList seasonFileFilters(rota::DataType dataType);
