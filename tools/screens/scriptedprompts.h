// Prompts for the screenshot tools: the open dialog is answered with one
// file, and every message goes to standard error.
#pragma once

#include "app/form/prompts.h"

#include <iostream>
#include <string>

class ScriptedPrompts : public rota::form::Prompts {
public:
    explicit ScriptedPrompts(std::string file) : file_(std::move(file)) {}
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    void error(const std::string& text) override { std::cerr << text << "\n"; }
    bool ask(const std::string& text) override
    {
        std::cerr << text << "\n";
        return false;
    }
    std::optional<std::string> openFileName(const std::string&, const std::vector<rota::FileKind>&) override
    {
        return file_;
    }

private:
    std::string file_;
};
