#pragma once

#include <string_view>

// The player can scroll the song's name in the taskbar: every 200 ms its title
// becomes a rotation of the real caption, caption[i:] + " *** " + caption, or,
// while the rotation wraps, part + " *** " + caption + " *** ".
//
// Gives back the caption of such a title: when the title is X + " *** " + C,
// optionally followed by " *** ", and X is a suffix of a non-empty C, that C.
// Any other title, one that merely holds " *** " among them, comes back whole.
// Where a caption that itself holds " *** " allows two readings, the shorter
// caption wins, so that every rotation of it gives the same answer.
std::wstring_view CaptionOfScrollingTitle(std::wstring_view title);
