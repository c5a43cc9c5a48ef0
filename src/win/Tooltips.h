#pragma once

#include <windows.h>

#include <string>

// A tooltip window owned by `owner`, above every other window, shown whether
// or not the owner is active, with '&' shown as it stands.
HWND CreateTooltip(HWND owner);

// Hints `control`, a child of `parent`, with `text`; the tooltip watches the
// control's mouse messages itself.
bool AddTool(HWND tooltip, HWND parent, HWND control, const std::string& text);

// Changes the text of a tool that AddTool added; the wide form for names that
// may hold any character.
void SetToolText(HWND tooltip, HWND parent, HWND control, const std::string& text);
void SetToolText(HWND tooltip, HWND parent, HWND control, const std::wstring& text);
