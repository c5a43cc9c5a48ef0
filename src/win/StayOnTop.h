#pragma once

#include <windows.h>

// Puts a top-level window into the band of windows that stay on top, or takes
// it out, whether or not it owns windows of its own.
void SetStayOnTop(HWND window, bool onTop);
