#pragma once

#include <windows.h>

#include <optional>

// Where the song is, asked through the player's own window messages
// (WM_USER, the data in wParam and the question in lParam). Each is sent
// with a short timeout, so that a hung player never hangs the program; a
// player that does not answer counts as one that does not speak them.

// Whether the player answers these messages: its version (question 0) is
// 0x2xxx or 0x5xxx. A player answers 1 to questions it does not know.
bool SpeaksPositionMessages(HWND player);

enum class PlayerPlayback { Stopped, Playing, Paused, Unknown };

// Question 104: 1 playing, 3 paused, 0 stopped; anything else, or no
// answer, is Unknown.
PlayerPlayback PlaybackOf(HWND player);

// Question 105 with 0: the position in milliseconds; nothing when the
// player says -1 (not playing) or does not answer.
std::optional<int> PositionMsOf(HWND player);

// Question 106: jump to `ms` of the song playing; false when not answered.
bool JumpToPosition(HWND player, int ms);
