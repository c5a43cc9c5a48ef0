// Any player line, NULs and lengths past the player's buffer included, under
// either generation: the parse sees only what the player hands over (up to the
// first NUL, at most 255 bytes), stays in bounds and always gives a title of
// 1..254 characters.
#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Settings settings;
    settings.ampVer = static_cast<PlayerGeneration>(data[0] & 1);
    const std::string title(reinterpret_cast<const char*>(data + 1), size - 1);
    // What a 256-byte window-text buffer holds of it.
    char buffer[256] = {};
    std::memcpy(buffer, title.data(), std::min(title.size(), sizeof buffer - 1));
    const std::string line(buffer);

    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    NowPlayingSong fromLine;
    ParseNowPlaying(line, settings, fromLine);
    if (song.SongTitle != fromLine.SongTitle || song.SongArtist != fromLine.SongArtist)
        std::abort();
    if (song.SongTitle.empty() || song.SongTitle.size() > 254 || song.SongArtist.size() > 254)
        std::abort();
    // Both parts are cut out of the line itself, unless the title is the stand-in.
    if (song.SongTitle != UnknownSongTitle && line.find(song.SongTitle) == std::string::npos)
        std::abort();
    if (line.find(song.SongArtist) == std::string::npos)
        std::abort();

    // A caption read back is part of the line, and a line without stars is
    // the caption of its every turn.
    const std::string_view caption = CaptionOfScrollingTitle(line);
    if (line.find(caption) == std::string::npos || caption.empty() != line.empty())
        std::abort();
    if (!line.empty() && line.find('*') == std::string::npos) {
        const std::string turned = line.substr((data[0] >> 1) % line.size()) + " *** " + line;
        if (caption != line || CaptionOfScrollingTitle(turned) != line ||
            CaptionOfScrollingTitle(turned + " *** ") != line)
            std::abort();
    }
    return 0;
}
