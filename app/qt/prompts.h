// The prompts shown with Qt's own message boxes and file dialog, over the
// window that is active.
#pragma once

#include "app/form/prompts.h"

#include <QStringList>

class QtPrompts : public rota::form::Prompts {
public:
    void message(const std::string& text) override;
    void error(const std::string& text) override;
    bool ask(const std::string& question) override;
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::vector<rota::FileKind>& kinds) override;
};

// The open dialog's filters for `kinds`, in Qt's "Label (*.ext)" form. Each
// extension matches in any letter case ("*.[tT][xX][tT]"); the patterns are
// hidden behind the labels in the dialog.
QStringList fileDialogFilters(const std::vector<rota::FileKind>& kinds);
