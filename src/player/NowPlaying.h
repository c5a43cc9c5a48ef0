#pragma once

#include <string>
#include <string_view>

class SettingsSource;

// The playing song as the rest of the program knows it, in UTF-16 as the
// player's window gives it. Both strings hold at most 254 characters; after a parse `SongTitle` is never empty.
struct NowPlayingSong {
    std::wstring SongArtist;
    std::wstring SongTitle;
};

// Stands in for a title that the player's line does not reveal.
inline constexpr std::wstring_view UnknownSongTitle = L"Sonvera doesn't know the Title";

// The longest title the player hands over (a 256-character buffer with its NUL).
inline constexpr std::size_t MaxPlayerTitleLength = 255;

// Splits the player's window title ("12. Artist - Title - Winamp", or with
// AmpVer 1 "3. Artist - Title (a) (b)") into artist and title. Always writes
// `SongTitle`; writes `SongArtist` only when the line has its closing part, so
// the caller clears it first. The title is read up to its first NUL and at
// most 255 characters.
void ParseNowPlaying(std::wstring_view title, const SettingsSource& settings, NowPlayingSong& song);
