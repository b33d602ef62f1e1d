#include "season/seasonlist.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace rota {

bool captionLess(const std::string& a, const std::string& b)
{
    // Byte order, which for MM/DD/YY captions is month, then day, then year.
    return a < b;
}

void SeasonList::clear()
{
    rows_.clear();
    sorted_ = false;
}

void SeasonList::markLastAsDoubleheader()
{
    if (!rows_.empty())
        rows_.back().dh = kDoubleheaderMark;
}

void SeasonList::sortByDate()
{
    sorted_ = true;
    const auto byDate = [](const GameRow& a, const GameRow& b) { return captionLess(a.date, b.date); };
    const bool allEightCharacters =
        std::all_of(rows_.begin(), rows_.end(), [](const GameRow& row) { return row.date.size() == 8; });
    if (!allEightCharacters) {
        std::stable_sort(rows_.begin(), rows_.end(), byDate);
        return;
    }
    // Dates of eight bytes compare as the big-endian numbers they spell:
    // sort small (number, place) pairs, then move each row once.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        unsigned char bytes[8];
        std::memcpy(bytes, rows_[i].date.data(), 8);
        std::uint64_t key = 0;
        for (unsigned char byte : bytes)
            key = (key << 8) | byte;
        order[i] = {key, static_cast<std::uint32_t>(i)};
    }
    // Retrosheet's files mostly come in date order already.
    if (std::is_sorted(order.begin(), order.end()))
        return;
    std::sort(order.begin(), order.end()); // places break ties, so the order is stable
    std::vector<GameRow> sorted;
    sorted.reserve(rows_.size());
    for (const auto& [key, place] : order)
        sorted.push_back(std::move(rows_[place]));
    rows_ = std::move(sorted);
}

std::size_t SeasonList::setDate(std::size_t index, std::string date)
{
    rows_[index].date = std::move(date);
    if (!sorted_)
        return index;
    GameRow row = std::move(rows_[index]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    auto at = std::upper_bound(rows_.begin(), rows_.end(), row,
                               [](const GameRow& a, const GameRow& b) { return captionLess(a.date, b.date); });
    auto newIndex = static_cast<std::size_t>(at - rows_.begin());
    rows_.insert(at, std::move(row));
    return newIndex;
}

} // namespace rota
