// A season file that cannot be read as the data type chosen.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace rota {

// what() starts with the line number counted from 1, for example
// "line 1207: column 44 is past the end of the line".
class DataError : public std::runtime_error {
public:
    DataError(std::size_t lineIndex, const std::string& cause)
        : std::runtime_error("line " + std::to_string(lineIndex + 1) + ": " + cause), lineNumber_(lineIndex + 1)
    {
    }

    // The line the error was found on, counted from 1.
    std::size_t lineNumber() const { return lineNumber_; }

private:
    std::size_t lineNumber_;
};

// A line that no text file holds: the file is of another kind.
class NotTextError : public DataError {
public:
    using DataError::DataError;
};

} // namespace rota
