#pragma once

#include <string>
#include <string_view>

// Decisions of the refresh cycle that need no window.

// What the timer compares in place of a title while no player runs, and what
// a refresh that found no player remembers.
inline constexpr std::wstring_view NoPlayerMarker = L"NoAmp";

// The timer's rule: the player's line counts as changed when its first n
// characters (all of it, when shorter) differ unit for unit from the n
// characters of `lastPlayerTitle`. So a title that only grows at its end is
// no change, and nothing is a change before the first refresh.
bool PlayerTitleChanged(std::wstring_view current, std::wstring_view lastPlayerTitle);

// A player that plays nothing shows its own name first. `upperTitle` is the
// title upper-cased by the system's mapping.
bool IsIdlePlayerTitle(std::wstring_view upperTitle);

// What a miss of the song's text names: the texts folder (a backslash added
// unless it ends with one), the artist as parsed, "\*", the safe title and
// "*.txt".
std::wstring MissingTextPattern(std::wstring_view textsPath, std::wstring_view artist, std::wstring_view safeTitle);
