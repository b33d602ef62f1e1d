// Text files as lists of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rota {

// Splits `bytes` into lines. A line ends at a carriage return, a line feed,
// or a carriage return followed by a line feed; the ends are not kept, a last
// line without an end is kept, and a zero byte ends the text.
std::vector<std::string> splitLines(std::string_view bytes);

// Joins `lines`, ending every line (the last one too) with CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

// Reads the file at `path` as lines (see splitLines). Throws FileError.
std::vector<std::string> loadLines(const std::string& path);

// Saves `lines` as the whole file at `path` (see joinLinesCrlf), replacing
// it atomically. Throws FileError; on failure the old file is untouched.
void saveLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace rota
