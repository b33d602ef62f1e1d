// The prompts shown with the system's message boxes and open dialog, over
// the window that is active.
#pragma once

#include "app/form/prompts.h"

namespace rota::win32 {

class SystemPrompts : public form::Prompts {
public:
    void message(const std::string& text) override;
    void error(const std::string& text) override;
    bool ask(const std::string& question) override;
    std::optional<std::string> openFileName(const std::string& folder, const std::vector<FileKind>& kinds) override;
};

} // namespace rota::win32
