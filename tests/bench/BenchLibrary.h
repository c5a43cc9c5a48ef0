#pragma once

#include "support/ScratchFolder.h"

#include <algorithm>
#include <string>

inline constexpr int Albums = 100;
inline constexpr int SongsPerAlbum = 100;

inline std::wstring Number(int value, int width)
{
    std::wstring text = std::to_wstring(value);
    return std::wstring(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), L'0') + text;
}

// "Artist" with Albums x SongsPerAlbum texts, four of which are named after
// the song "Needle in the Haystack" and hold `needleText`.
inline void BuildArtist(const ScratchFolder& library, const std::string& needleText)
{
    for (int album = 1; album <= Albums; ++album) {
        const std::wstring folder = L"Artist\\Album " + Number(album, 3) + L"\\";
        library.MakeFolder(folder);
        for (int song = 1; song <= SongsPerAlbum; ++song) {
            // A few songs carry the searched title; the rest only look alike.
            const bool needle = song == 50 && album % 25 == 0;
            const std::wstring title = needle ? L"Needle in the Haystack" : L"Song number " + Number(song, 3);
            library.MakeFile(folder + Number(song, 2) + L" - " + title + L".txt", needle ? needleText : "words");
        }
    }
}
