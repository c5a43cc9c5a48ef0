#include "sync/TextLooks.h"

#include <algorithm>

TextSpan TextLooks::Apply(const LookedTextRange& range)
{
    if (range.end <= range.start)
        return {range.start, range.start};
    // What the span had, to tell what changed.
    std::size_t changedFrom = range.end;
    std::size_t changedTo = range.start;
    const auto widen = [&](std::size_t from, std::size_t to) {
        changedFrom = std::min(changedFrom, from);
        changedTo = std::max(changedTo, to);
    };
    std::size_t covered = range.start;
    for (const LookedTextRange& old : Within(range.start, range.end)) {
        const std::size_t from = std::max(old.start, range.start);
        const std::size_t to = std::min(old.end, range.end);
        if (from > covered && range.look != TextLook::Plain)
            widen(covered, from);
        if (old.look != range.look)
            widen(from, to);
        covered = to;
    }
    if (covered < range.end && range.look != TextLook::Plain)
        widen(covered, range.end);

    // Cut the span out of the ranges, keeping what lies either side of it.
    std::vector<LookedTextRange> kept;
    kept.reserve(ranges_.size() + 2);
    for (const LookedTextRange& old : ranges_) {
        if (old.end <= range.start || old.start >= range.end) {
            kept.push_back(old);
            continue;
        }
        if (old.start < range.start)
            kept.push_back({old.start, range.start, old.look});
        if (old.end > range.end)
            kept.push_back({range.end, old.end, old.look});
    }
    if (range.look != TextLook::Plain) {
        const auto at = std::lower_bound(kept.begin(), kept.end(), range.start,
                                         [](const LookedTextRange& kept, std::size_t start) { return kept.start < start; });
        kept.insert(at, range);
    }
    // Neighbours of one look become one range.
    ranges_.clear();
    for (const LookedTextRange& next : kept) {
        if (!ranges_.empty() && ranges_.back().end == next.start && ranges_.back().look == next.look)
            ranges_.back().end = next.end;
        else
            ranges_.push_back(next);
    }
    if (changedFrom >= changedTo)
        return {range.start, range.start};
    return {changedFrom, changedTo};
}

std::vector<LookedTextRange>::const_iterator TextLooks::FirstEndingAfter(std::size_t index) const
{
    return std::upper_bound(ranges_.begin(), ranges_.end(), index,
                            [](std::size_t at, const LookedTextRange& range) { return at < range.end; });
}

TextLook TextLooks::At(std::size_t index) const
{
    const auto found = FirstEndingAfter(index);
    return found != ranges_.end() && found->start <= index ? found->look : TextLook::Plain;
}

std::vector<LookedTextRange> TextLooks::Within(std::size_t start, std::size_t end) const
{
    std::vector<LookedTextRange> within;
    for (auto found = FirstEndingAfter(start); found != ranges_.end() && found->start < end; ++found)
        within.push_back(*found);
    return within;
}
