#include "win/WindowText.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>

std::string WindowText(HWND window)
{
    return WindowText(window, static_cast<std::size_t>(std::max(0, GetWindowTextLengthA(window))));
}

std::string WindowText(HWND window, std::size_t maxLength)
{
    std::string text(std::min<std::size_t>(maxLength, INT_MAX - 1) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    // Measured to the terminator in a zeroed buffer, so that a failed call or
    // a window procedure that miscounts its answer still gives a sound string.
    text.resize(strnlen(text.c_str(), text.size() - 1));
    return text;
}

std::wstring UnicodeWindowText(HWND window)
{
    return UnicodeWindowText(window, static_cast<std::size_t>(std::max(0, GetWindowTextLengthW(window))));
}

std::wstring UnicodeWindowText(HWND window, std::size_t maxLength)
{
    std::wstring text(std::min<std::size_t>(maxLength, INT_MAX / 2 - 1) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(wcsnlen(text.c_str(), text.size() - 1));
    return text;
}
