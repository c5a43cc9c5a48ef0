#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Where the texts are looked for: the rules the search and the find share.

// Whether a folder met in the texts folder or in an artist's folder is one
// that is looked in: neither hidden nor system.
bool IsSearchedFolder(DWORD attributes);

// `folder` ends with a backslash; `entry` is a "*.txt" entry in it, whatever
// its attributes, which may be a folder of that name.
using TextEntryVisitor = std::function<void(const std::wstring& folder, const WIN32_FIND_DATAW& entry)>;

// Every "*.txt" entry of one folder (letter case aside), in the order the
// enumeration meets them.
void ForEachTextEntry(const std::wstring& folder, const TextEntryVisitor& visit);

// Every "*.txt" entry of the folders an artist's texts are looked for in:
// the artist's folder and its immediate subfolders, each unless hidden or
// system: the artist's own first, then each subfolder's, in the order the
// enumeration meets them. One enumeration of each folder. False when the
// artist's folder cannot be opened.
bool ForEachArtistText(const std::wstring& artistFolder, const TextEntryVisitor& visit);
