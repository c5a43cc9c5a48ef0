#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A face with Cyrillic and accented Latin letters for the player's text.
HFONT CreateDisplayFont();

// Paints the window's client area as a column of text lines on the player's
// dark background; line `highlighted` (if any) stands out.
void PaintLines(HWND window, HFONT font, const std::vector<std::wstring>& lines, int highlighted = -1);
