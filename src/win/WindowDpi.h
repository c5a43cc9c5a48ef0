#pragma once

#include "win/DisplayScale.h"

#include <windows.h>

// The scale a window is drawn at. The program declares itself aware of each
// monitor's scale; where Windows offers less (before Windows 10, or under
// Wine), every window is at the system's scale. Functions newer than Windows
// XP are looked up when first needed.

// WM_DPICHANGED, sent to a top-level window that has come onto a monitor of
// another scale: the new DPI in both words of wParam, the suggested window
// rectangle at lParam. The headers define it only for newer Windows than ours.
inline constexpr UINT DpiChangedMessage = 0x02E0;

// The system's scale: the screen's LOGPIXELSY.
DisplayScale SystemScale();

// The scale `window`'s top-level window was last laid out at, as kept by
// KeepWindowScale; before that, its monitor's scale where the system tells
// it, else the system's.
DisplayScale WindowScale(HWND window);
// Kept on the top-level window itself, for its children and its helpers;
// forgotten as the window goes.
void KeepWindowScale(HWND window, DisplayScale scale);
void ForgetWindowScale(HWND window);
// The scale of the monitor `window` is on now, whatever was kept.
DisplayScale MonitorScale(HWND window);

// A design rectangle in pixels: each edge scaled, so that neighbours stay neighbours.
RECT ScaledRect(const RECT& design, DisplayScale scale);

// The outer size of a window of this style around a client area of `client`
// pixels, with the frame drawn at `scale`.
SIZE FrameSizeAround(SIZE client, DWORD style, DWORD exStyle, DisplayScale scale);

// A system metric (a scroll bar's thickness, ...) at `scale`.
int SystemMetricAt(int index, DisplayScale scale);

// The screen's width in design units, as a program unaware of the scale sees it.
int ScreenWidthInDesignUnits();
