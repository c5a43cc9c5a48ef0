#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A Cyrillic-capable face for the player's cp1251 text.
HFONT CreateDisplayFont();

// Paints the window's client area as a column of text lines on the player's
// dark background; line `highlighted` (if any) stands out.
void PaintLines(HWND window, HFONT font, const std::vector<std::string>& lines, int highlighted = -1);
