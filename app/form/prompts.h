// The one seam through which a window asks the user something: message
// boxes, the error box, a Yes/No question and the file-open dialog. Each
// toolkit shows them its own way; tests answer them without a person.
#pragma once

#include "session/controls.h"
#include "session/outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace rota::form {

class Prompts {
public:
    virtual ~Prompts() = default;

    // A plain message box: the text, one OK button, the application title.
    virtual void message(const std::string& text) = 0;

    // The standard error box (stop icon, OK button); `text` as errorBoxText
    // gives it.
    virtual void error(const std::string& text) = 0;

    // A question with Yes and No buttons; true for Yes.
    virtual bool ask(const std::string& question) = 0;

    // The file-open dialog, starting in `folder`, offering `kinds` (the
    // first chosen). Returns the chosen file, or nothing on cancel.
    virtual std::optional<std::string> openFileName(const std::string& folder, const std::vector<FileKind>& kinds) = 0;
};

// The text of the error box: a full stop is added when the message's last
// character comes after "." in character order.
std::string errorBoxText(std::string message);

// An outcome as a message box shows it: the title on a line of its own, the
// detail, and the items below it after a blank line.
std::string messageText(const Outcome& outcome);

} // namespace rota::form
