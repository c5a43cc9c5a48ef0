#pragma once

#include <windows.h>

#include <string>

class SettingsSource;

// The player's main window of the generation that `AmpVer` selects ("Winamp v1.x"
// for 0, "STUDIO" otherwise), looked up now; nullptr when the player is not running.
HWND FindPlayerWindow(const SettingsSource& settings);

// The window's title, at most 255 characters (UTF-16, up to the first NUL), so
// that names outside the ANSI code page come whole from a player whose window
// is a Unicode one; of a title that the player scrolls, its caption, so that
// the scrolling is neither parsed nor taken for a song change.
std::wstring ReadPlayerTitle(HWND window);

// The ten player commands. Each posts the player's own keyboard shortcut as a
// WM_KEYDOWN and a WM_KEYUP with lParam 0, looking the window up again before
// each message; with no player they do nothing and report nothing.
void WinampPrevClick(const SettingsSource& settings);
void WinampPlayClick(const SettingsSource& settings);
void WinampNextClick(const SettingsSource& settings);
void WinampPrev5sClick(const SettingsSource& settings);
void WinampPauseClick(const SettingsSource& settings);
void WinampNext5sClick(const SettingsSource& settings);
void WinampStopClick(const SettingsSource& settings);
void WinampOpenClick(const SettingsSource& settings);
void WinampJumpClick(const SettingsSource& settings);
void WinampAddClick(const SettingsSource& settings);
