#pragma once

#include <string>
#include <string_view>

// Decisions of the refresh cycle that need no window.

// What the timer compares in place of a title while no player runs, and what
// a refresh that found no player remembers.
inline constexpr std::string_view NoPlayerMarker = "NoAmp";

// The timer's rule: the player's line counts as changed when its first n
// characters (all of it, when shorter) differ byte for byte from the n
// characters of `lastPlayerTitle`. So a title that only grows at its end is
// no change, and nothing is a change before the first refresh.
bool PlayerTitleChanged(std::string_view current, std::string_view lastPlayerTitle);

// A player that plays nothing shows its own name first. `upperTitle` is the
// title upper-cased by the system's ANSI mapping.
bool IsIdlePlayerTitle(std::string_view upperTitle);

// What a miss of the song's text names: the texts folder (a backslash added
// unless it ends with one), the artist as parsed, "\*", the safe title and
// "*.txt".
std::string MissingTextPattern(std::string_view textsPath, std::string_view artist, std::string_view safeTitle);
