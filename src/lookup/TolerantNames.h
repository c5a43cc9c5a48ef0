#pragma once

#include <string>
#include <string_view>
#include <vector>

// When the exact search finds no text for the playing song, it looks again
// with names made tolerant of how players, shops and people write the same
// song. Everything here is a plain function of UTF-16 text, one code unit per
// wchar_t; nothing asks the C library's locale, so every platform agrees.

// `text` with every character read as a tolerant name reads it (letter case
// folded, "ё" as "е", dashes, quotes and separators unified), runs of spaces
// made one, none at either end; nothing dropped. The first step of
// `TolerantName`, and how the find reads the words of a text.
std::wstring UnifiedText(std::wstring_view text);

// The runs of letters and digits of a unified text, in order; anything past
// ASCII counts as a letter.
std::vector<std::wstring_view> WordsOf(std::wstring_view text);

// Letter case folded, nothing else: paths compared as the file system
// compares them.
std::wstring CaseFolded(std::wstring_view text);

// `name` (a title, an artist, or a text file's name without ".txt") as the
// tolerant search compares it:
// - letter case folded (Latin, Greek, Cyrillic), and "ё" read as "е";
// - typographic dashes read as "-"; typographic single quotes, "`" and "´"
//   as "'";
// - the characters a file name cannot hold, the "_" put in their place,
//   double quotes, controls and odd spaces read as a space; runs of spaces
//   made one, none at either end;
// - a leading track number dropped: 1 to 3 digits and ".", ")" or a
//   spaced "-" ("03. Song", "3 - Song", "12) Song"), or a zero-padded number
//   and a space ("07 Song"); "99 Luftballons", "1979" and "10cc" stay;
// - a last bracketed or " - " part that only names the recording
//   ("(Remastered 2011)", "- Live at Wembley", "[Radio Edit]", a remix) or
//   who else sings ("(feat. X)"), and an unbracketed "feat. X", "ft. X" or
//   "featuring X" to the end, dropped.
// A part is dropped only when a letter or digit stays; a name of nothing but
// separators ("???") becomes that many spaces, so no name becomes empty.
// An artist's folder is the artist's when the two tolerant names are equal.
std::wstring TolerantName(std::wstring_view name);

// A tolerant name with the accents of Latin letters dropped ("é" to "e",
// "ł" to "l", "ß" to "ss", "æ" to "ae"); Cyrillic stays as it is ("й" is a
// letter of its own). The last resort, when nothing else matched.
std::wstring WithoutAccents(std::wstring_view tolerantName);

// A song title made ready once, for comparing against every file name of a
// folder tree.
struct TolerantTitle {
    explicit TolerantTitle(std::wstring_view songTitle);

    std::wstring name;
    std::wstring withoutAccents;
};

// Whether a text file of this name (without ".txt") holds the song's text:
// as in the exact search, its name contains the title, here both tolerant.
bool TolerantTitleMatches(std::wstring_view fileBaseName, const TolerantTitle& title);

// The same with accents dropped on both sides.
bool AccentFreeTitleMatches(std::wstring_view fileBaseName, const TolerantTitle& title);
