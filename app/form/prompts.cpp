#include "app/form/prompts.h"

namespace rota::form {

std::string errorBoxText(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

std::string messageText(const Outcome& outcome)
{
    std::string text = outcome.title;
    if (!outcome.detail.empty())
        text += (text.empty() ? "" : "\n") + outcome.detail;
    if (!outcome.items.empty())
        text += '\n';
    for (const std::string& item : outcome.items)
        text += "\n" + item;
    return text;
}

} // namespace rota::form
