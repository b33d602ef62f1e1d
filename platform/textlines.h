// Text files as lists of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rota {

// The lines of a text, held as the text's bytes plus where each line
// starts, so that a large file costs little more memory than its size.
// Lines are split as splitLines does.
class TextLines {
public:
    TextLines() = default;
    explicit TextLines(std::string bytes);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return {bytes_.data() + lines_[i].start, lines_[i].length}; }
    void clear();

private:
    struct Span {
        std::size_t start;
        std::size_t length;
    };
    std::string bytes_;
    std::vector<Span> lines_;
};

// Splits `bytes` into lines. A line ends at a carriage return, a line feed,
// or a carriage return followed by a line feed; the ends are not kept, a last
// line without an end is kept. A zero byte is an ordinary byte of its line.
std::vector<std::string> splitLines(std::string_view bytes);

// Joins `lines`, ending every line (the last one too) with CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

// Reads the file at `path` as lines (see splitLines). Throws FileError.
std::vector<std::string> loadLines(const std::string& path);

// Saves `lines` as the whole file at `path` (see joinLinesCrlf), replacing
// it atomically. Throws FileError; on failure the old file is untouched.
void saveLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace rota
