// Prompts answered without a person, for the tests of either window: every
// message, error and question is kept; questions are answered from a queue
// (an empty queue says No), and the open dialog from a queue of files (an
// empty queue is a cancel).
#pragma once

#include "app/form/prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace rota::test {

class TestPrompts : public form::Prompts {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    void error(const std::string& text) override { messages.push_back(text); }
    bool ask(const std::string& question) override
    {
        messages.push_back(question);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    std::optional<std::string> openFileName(const std::string& folder, const std::vector<FileKind>& kinds) override
    {
        offeredFolder = folder;
        offeredKinds = kinds;
        if (files.empty())
            return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }

    // Every message, error and question shown, one after the other.
    std::string allMessages() const
    {
        std::string all;
        for (const std::string& m : messages)
            all += m + "\n";
        return all;
    }

    std::vector<std::string> messages; // messages, errors and questions alike
    std::string offeredFolder;
    std::vector<FileKind> offeredKinds;
    std::deque<std::string> files;
    std::deque<bool> answers;
};

} // namespace rota::test
