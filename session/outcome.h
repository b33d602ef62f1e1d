// What a command of the session tells its caller: whether it did what was
// asked and, if not or if there is something to say, what to tell the user.
// The parts stay apart so that each shell lays them out its own way: a
// message box shows the title above the detail and the items below it, a
// command line puts them on one line.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rota {

// The titles of the commands' failures.
inline constexpr char kLoadFailureTitle[] = "Data Error";
inline constexpr char kWriteFailureTitle[] = "Error Writing SCH File.";
inline constexpr char kCompileFailureTitle[] = "Program Error";

struct Outcome {
    enum class Kind {
        Done,    // the command did what was asked
        Refused, // a check failed before anything was changed
        Failed,  // the command failed on the way; nothing saved was lost
    };
    Kind kind = Kind::Done;
    std::string title;              // the failed command's title, if it has one
    std::string detail;             // what to tell the user; may be set when Done too
    std::vector<std::string> items; // the names or dates the detail speaks of
    std::string file;               // the file concerned, if any
    std::size_t line = 0;           // the line of that file (from 1), 0 for none

    bool done() const { return kind == Kind::Done; }
    bool saysAnything() const { return !title.empty() || !detail.empty() || !items.empty(); }

    static Outcome success(std::string detail = {}) { return {Kind::Done, {}, std::move(detail), {}, {}, 0}; }
    static Outcome refused(std::string detail, std::string file = {}, std::vector<std::string> items = {})
    {
        return {Kind::Refused, {}, std::move(detail), std::move(items), std::move(file), 0};
    }
    static Outcome failed(std::string detail, std::string file = {}, std::size_t line = 0)
    {
        return {Kind::Failed, {}, std::move(detail), {}, std::move(file), line};
    }

    Outcome&& titled(std::string text) &&
    {
        title = std::move(text);
        return std::move(*this);
    }
};

} // namespace rota
