#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A window's text in the ANSI code page; empty for no window.
std::string WindowText(HWND window);

// At most `maxLength` characters of it, for windows of other programs whose
// titles may be of any length.
std::string WindowText(HWND window, std::size_t maxLength);

// A window's text as UTF-16, for names that may hold any character: whole,
// or at most `maxLength` units of it. Of an ANSI window, the system converts
// its text as it always did.
std::wstring UnicodeWindowText(HWND window);
std::wstring UnicodeWindowText(HWND window, std::size_t maxLength);
