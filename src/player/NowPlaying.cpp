#include "player/NowPlaying.h"

#include "settings/SettingsSource.h"

#include <algorithm>
#include <array>

namespace {

// Positions are counted from 1, as the title layout is described; 0 means none.
using Position = int;

// The characters of `text` from position `start`, at most `count` of them.
// A start below 1 counts as 1; a start past the end or a count of 0 or less
// gives the empty string.
std::wstring Slice(std::wstring_view text, Position start, int count)
{
    const auto length = static_cast<int>(text.size());
    start = std::max(start, 1);
    if (count <= 0 || start > length)
        return {};
    return std::wstring(text.substr(static_cast<std::size_t>(start - 1),
                                   static_cast<std::size_t>(std::min(count, length - start + 1))));
}

bool IsSeparatorAt(std::wstring_view text, Position p)
{
    const auto length = static_cast<Position>(text.size());
    return text[p - 1] == L'-' && p > 1 && p < length && text[p - 2] == L' ' && text[p] == L' ';
}

struct ScanResult {
    Position dot = 0;
    Position separator = 0;
    Position end = 0;
};

ScanResult ScanWinamp2(std::wstring_view text)
{
    ScanResult scan;
    for (Position p = 1; p <= static_cast<Position>(text.size()); ++p) {
        if (text[p - 1] == L'.') {
            if (scan.dot == 0)
                scan.dot = p;
        } else if (IsSeparatorAt(text, p)) {
            if (scan.separator == 0)
                scan.separator = p;
            else
                scan.end = p;
        }
    }
    return scan;
}

ScanResult ScanWinamp3(std::wstring_view text)
{
    // Brackets from each position to the end, so the scan stays linear.
    std::array<int, MaxPlayerTitleLength + 2> bracketsFrom{};
    const auto length = static_cast<Position>(text.size());
    for (Position p = length; p >= 1; --p) {
        const wchar_t c = text[p - 1];
        bracketsFrom[p] = bracketsFrom[p + 1] + (c == L'(' || c == L')' ? 1 : 0);
    }

    ScanResult scan;
    for (Position p = 1; p <= length; ++p) {
        const wchar_t c = text[p - 1];
        if (c == L'(') {
            if (bracketsFrom[p] == 4) {
                scan.end = p;
                break;
            }
        } else if (IsSeparatorAt(text, p)) {
            if (scan.separator == 0)
                scan.separator = p;
        } else if (c == L'.') {
            if (scan.dot == 0)
                scan.dot = p;
        }
    }
    return scan;
}

} // namespace

void ParseNowPlaying(std::wstring_view title, const SettingsSource& settings, NowPlayingSong& song)
{
    title = title.substr(0, std::min(title.find(L'\0'), MaxPlayerTitleLength));

    const ScanResult scan = settings.AmpVer() == 0 ? ScanWinamp2(title) : ScanWinamp3(title);
    const auto [dot, separator, end] = scan;

    if (end != 0) {
        song.SongArtist = Slice(title, dot + 2, separator - dot - 3);
        song.SongTitle = Slice(title, separator + 2, end - separator - 3);
    } else if (separator != 0) {
        song.SongTitle = Slice(title, dot + 2, separator - dot - 3);
    } else {
        const auto lastBracket = title.rfind(L'(');
        const Position bracket = lastBracket == std::wstring_view::npos ? 0 : static_cast<Position>(lastBracket) + 1;
        song.SongTitle = Slice(title, dot + 2, bracket - dot - 3);
    }

    if (song.SongTitle.empty())
        song.SongTitle = UnknownSongTitle;
}
