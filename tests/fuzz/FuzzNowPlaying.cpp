// Any player line of up to 255 bytes without a NUL, under either generation:
// the parse must stay in bounds and always give a title of 1..254 characters.
#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/SettingsSource.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FixedSettings settings;
    settings.ampVer = data[0] & 1;
    std::string title(reinterpret_cast<const char*>(data + 1), size - 1);
    if (title.size() > MaxPlayerTitleLength || title.find('\0') != std::string::npos)
        return -1;

    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    if (song.SongTitle.empty() || song.SongTitle.size() > 254 || song.SongArtist.size() > 254)
        std::abort();
    // Both parts are cut out of the line itself, unless the title is the stand-in.
    if (song.SongTitle != UnknownSongTitle && title.find(song.SongTitle) == std::string::npos)
        std::abort();
    if (title.find(song.SongArtist) == std::string::npos)
        std::abort();

    // A caption read back is part of the line, and a line without stars is
    // the caption of its every turn.
    const std::string_view caption = CaptionOfScrollingTitle(title);
    if (title.find(caption) == std::string::npos || caption.empty() != title.empty())
        std::abort();
    if (!title.empty() && title.find('*') == std::string::npos) {
        const std::string turned = title.substr((data[0] >> 1) % title.size()) + " *** " + title;
        if (caption != title || CaptionOfScrollingTitle(turned) != title ||
            CaptionOfScrollingTitle(turned + " *** ") != title)
            std::abort();
    }
    return 0;
}
