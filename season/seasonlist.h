// The season game list: one row per scheduled game, in list order.
#pragma once

#include <string>
#include <vector>

namespace rota {

// The doubleheader mark of a row into which a repeat of its game was folded,
// which its slot of a ".sch" day record carries too.
inline constexpr const char* kDoubleheaderMark = "/n:2";

struct GameRow {
    std::string date; // caption, MM/DD/YY
    std::string vis;  // Vis text
    std::string home; // Home text
    std::string dh;   // "" or kDoubleheaderMark
    bool operator==(const GameRow&) const = default;
};

// The rows plus the list's sorting switch. While sorting is on, rows stay
// ordered by their Date text; while it is off they stay in insertion order.
class SeasonList {
public:
    const std::vector<GameRow>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const GameRow& operator[](std::size_t i) const { return rows_[i]; }

    // Empties the list and switches sorting off.
    void clear();

    // Appends a row at the end (sorting must be off while loading).
    void append(std::string date, const std::string& vis, const std::string& home, const char* dh)
    {
        GameRow& row = rows_.emplace_back(); // filled in place, not moved in
        row.date = std::move(date);
        row.vis = vis;
        row.home = home;
        row.dh = dh;
    }

    // Makes room for `count` rows in all.
    void reserve(std::size_t count) { rows_.reserve(count); }

    // Switches sorting on, which orders the rows by Date text.
    void sortByDate();

    // Replaces the Date text of row `index` (unchecked, as the user typed it)
    // and, while sorting is on, moves the row to its place. Returns the row's
    // new index.
    std::size_t setDate(std::size_t index, std::string date);

private:
    std::vector<GameRow> rows_;
    bool sorted_ = false;
};

} // namespace rota
