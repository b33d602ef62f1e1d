// What a command of the session tells its caller: whether it did what was
// asked and, if not or if there is something to say, the text to show.
#pragma once

#include <cstddef>
#include <string>

namespace rota {

struct Outcome {
    enum class Kind {
        Done,    // the command did what was asked
        Refused, // a check failed before anything was changed
        Failed,  // the command failed on the way; nothing saved was lost
    };
    Kind kind = Kind::Done;
    std::string message;  // what to tell the user; may be set when Done too
    std::string file;     // the file concerned, if any
    std::size_t line = 0; // the line of that file (from 1), 0 for none

    bool done() const { return kind == Kind::Done; }

    static Outcome success(std::string message = {}) { return {Kind::Done, std::move(message), {}, 0}; }
    static Outcome refused(std::string message, std::string file = {})
    {
        return {Kind::Refused, std::move(message), std::move(file), 0};
    }
    static Outcome failed(std::string message, std::string file = {}, std::size_t line = 0)
    {
        return {Kind::Failed, std::move(message), std::move(file), line};
    }
};

} // namespace rota
