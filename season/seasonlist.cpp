#include "season/seasonlist.h"

#include <algorithm>
#include <utility>

namespace rota {

namespace {

// The list's order: byte order of the Date texts, which for MM/DD/YY is
// month, then day, then year.
bool byDate(const GameRow& a, const GameRow& b)
{
    return a.date < b.date;
}

} // namespace

void SeasonList::clear()
{
    rows_.clear();
    sorted_ = false;
}

void SeasonList::sortByDate()
{
    sorted_ = true;
    // A season is loaded in date order, so this mostly only checks.
    if (!std::is_sorted(rows_.begin(), rows_.end(), byDate))
        std::stable_sort(rows_.begin(), rows_.end(), byDate);
}

std::size_t SeasonList::setDate(std::size_t index, std::string date)
{
    rows_[index].date = std::move(date);
    if (!sorted_)
        return index;
    GameRow row = std::move(rows_[index]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    auto at = std::upper_bound(rows_.begin(), rows_.end(), row, byDate);
    auto newIndex = static_cast<std::size_t>(at - rows_.begin());
    rows_.insert(at, std::move(row));
    return newIndex;
}

} // namespace rota
