// Any player line, NULs, unpaired surrogates, letters outside code page 1251
// and lengths past the player's buffer included, under either generation: the
// parse sees only what the player hands over (up to the first NUL, at most 255
// units), stays in bounds and always gives a title of 1..254 units.
#include "editing/TextEncoding.h"
#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/Settings.h"
#include "FuzzUnits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Settings settings;
    settings.ampVer = static_cast<PlayerGeneration>(data[0] & 1);
    const std::wstring title = UnitsOf(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    // What a 256-unit window-text buffer holds of it.
    wchar_t buffer[256] = {};
    std::copy_n(title.begin(), std::min(title.size(), std::size(buffer) - 1), buffer);
    const std::wstring line(buffer);

    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    NowPlayingSong fromLine;
    ParseNowPlaying(line, settings, fromLine);
    if (song.SongTitle != fromLine.SongTitle || song.SongArtist != fromLine.SongArtist)
        std::abort();
    if (song.SongTitle.empty() || song.SongTitle.size() > 254 || song.SongArtist.size() > 254)
        std::abort();
    // Both parts are cut out of the line itself, unless the title is the stand-in.
    if (song.SongTitle != UnknownSongTitle && line.find(song.SongTitle) == std::wstring::npos)
        std::abort();
    if (line.find(song.SongArtist) == std::wstring::npos)
        std::abort();

    // A caption read back is part of the line, and a line without stars is
    // the caption of its every turn.
    const std::wstring_view caption = CaptionOfScrollingTitle(line);
    if (line.find(caption) == std::wstring::npos || caption.empty() != line.empty())
        std::abort();
    if (!line.empty() && line.find(L'*') == std::wstring::npos) {
        const std::wstring turned = line.substr((data[0] >> 1) % line.size()) + L" *** " + line;
        if (caption != line || CaptionOfScrollingTitle(turned) != line ||
            CaptionOfScrollingTitle(turned + L" *** ") != line)
            std::abort();
    }
    return 0;
}
