#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A window's text in the ANSI code page; empty for no window.
std::string WindowText(HWND window);

// At most `maxLength` characters of it, for windows of other programs whose
// titles may be of any length.
std::string WindowText(HWND window, std::size_t maxLength);
