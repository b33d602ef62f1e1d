// Texts as lines, wherever their bytes come from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rota {

// Gives the next bytes of a text, at most `capacity` of them, into `buffer`,
// and returns how many; 0 at the end of the text.
using ByteSource = std::function<std::size_t(char* buffer, std::size_t capacity)>;

// The UTF-8 byte order mark that editors on Windows put at the start of a
// text they save as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xef\xbb\xbf";

// How much of a file a LineReader holds at a time, unless a line is longer.
inline constexpr std::size_t kLinePieceSize = 64 * 1024;

// Hands out the lines of a text one after another, as splitLines splits
// them: a UTF-8 byte order mark at the start of the text is passed over
// (counted as read) and the rest taken as bytes. A text held in memory is
// read in place; a file (readFileLines) or other source is read a piece at
// a time into a buffer that is reused, so a file of any size costs the
// memory of its longest line and one piece.
class LineReader {
public:
    // The lines of `text`, which must outlive the reader.
    explicit LineReader(std::string_view text);

    // The lines of the bytes `source` gives, `expectedSize` of them as far
    // as is known (for progress), read `pieceSize` bytes at a time.
    LineReader(ByteSource source, std::uint64_t expectedSize, std::size_t pieceSize = kLinePieceSize);

    // From now on a line longer than `longestLine` is handed out cut to
    // longestLine + 1 bytes, so that the caller can tell, and the rest of it
    // is passed over without being held: a file with no line ends costs no
    // more memory than a line of that length.
    void cutLinesLongerThan(std::size_t longestLine);

    // Sets `line` to the next line, which stays valid until the next call,
    // and returns true; returns false after the last line. Throws what the
    // source throws.
    bool next(std::string_view& line);

    // Bytes of the text handed out so far, line ends included.
    std::uint64_t bytesRead() const { return consumedBefore_ + begin_; }

    // The size given for the text (a file's size when it was opened).
    std::uint64_t expectedSize() const { return expectedSize_; }

private:
    // The next `c` at or after begin_ in the bytes held, or end_. Each byte
    // kind remembers its last search, so each byte is looked at once per kind.
    struct Search {
        std::size_t hit = 0;        // where the last search stopped
        bool found = false;         // ... on the byte looked for
        std::size_t searchedTo = 0; // no byte looked for lies between begin_ and here
    };
    std::size_t find(char c, Search& search);

    // Keeps the bytes not yet handed out, at the front of the buffer, and
    // adds the next ones of the source, noting when it has none left.
    void readMore();

    // Reads on until the end of the line at begin_ is held, the source ends
    // or the line is longer than longestLine_; gives the end (or end_) and
    // whether the line is complete.
    std::size_t lineEnd(bool& complete);

    // Moves begin_ past the line end at `stop` (CR, LF or CR LF).
    void passEnd(std::size_t stop);

    // Moves begin_ past a byte order mark at the start of the text.
    void passByteOrderMark();

    ByteSource source_;
    std::unique_ptr<char[]> buffer_; // not cleared first: only bytes read are used
    std::size_t capacity_ = 0;
    std::size_t pieceSize_ = 0;
    const char* data_ = nullptr; // the text, or the buffer
    std::size_t begin_ = 0;      // start of the bytes not yet handed out
    std::size_t end_ = 0;        // end of the bytes held
    bool sourceEnded_ = true;
    bool lastReadFilled_ = false; // the last read filled all the space it was given
    std::size_t longestLine_ = static_cast<std::size_t>(-1);
    bool passingOver_ = false;         // the rest of a cut line is still to come
    bool atStart_ = true;              // nothing handed out yet
    std::uint64_t consumedBefore_ = 0; // bytes dropped from the buffer's front
    std::uint64_t expectedSize_ = 0;
    Search lineFeed_, carriageReturn_;
};

// Splits `bytes` into lines. A line ends at a carriage return, a line feed,
// or a carriage return followed by a line feed; the ends are not kept, a last
// line without an end is kept. A zero byte is an ordinary byte of its line.
// A UTF-8 byte order mark at the start is no part of the first line.
std::vector<std::string> splitLines(std::string_view bytes);

// Joins `lines`, ending every line (the last one too) with CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

} // namespace rota
