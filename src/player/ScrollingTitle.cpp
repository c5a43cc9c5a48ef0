#include "player/ScrollingTitle.h"

namespace {

constexpr std::wstring_view ScrollSeparator = L" *** ";

// Whether `caption` is a whole caption that `rotated` is the tail of.
bool EndsAsRotated(std::wstring_view caption, std::wstring_view rotated)
{
    return !caption.empty() && caption.ends_with(rotated);
}

} // namespace

std::wstring_view CaptionOfScrollingTitle(std::wstring_view title)
{
    const std::size_t gap = ScrollSeparator.size();
    if (title.size() <= gap)
        return title;
    // The rotated part is never longer than the caption after it, so the
    // separator that ends it starts within the first half. Walking down from
    // there meets the shorter captions first.
    for (std::size_t split = (title.size() - gap) / 2 + 1; split-- > 0;) {
        if (title.substr(split, gap) != ScrollSeparator)
            continue;
        const std::wstring_view rotated = title.substr(0, split);
        const std::wstring_view rest = title.substr(split + gap);
        if (rest.ends_with(ScrollSeparator)) {
            const std::wstring_view wrapped = rest.substr(0, rest.size() - gap);
            if (EndsAsRotated(wrapped, rotated))
                return wrapped;
        }
        if (EndsAsRotated(rest, rotated))
            return rest;
    }
    return title;
}
