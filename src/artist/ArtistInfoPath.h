#pragma once

#include <string>
#include <string_view>

// The artist's notes file: `TextsPath`, the artist as the player's title gave
// it (not made safe, unlike the artist's text folder), then
// "\Sonvera Artist info.txt". With no artist that is one shared file right in
// the texts folder.
struct ArtistInfoFile {
    std::wstring path;
    // False when the artist's name would take the path out of the texts
    // folder ("..", a drive, a share): the name comes from a file's tag, so
    // such a path is never read or written.
    bool insideTextsFolder = false;
};

ArtistInfoFile ArtistInfoFileOf(std::wstring_view textsPath, std::wstring_view artist);
