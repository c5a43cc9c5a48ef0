#pragma once

#include <windows.h>

#include <string>

// The text commands on the text area, a rich edit ("RichEdit20A") in plain
// text mode holding code page 1251 text, or UTF-16 text where a file needs it. Each reads the caret and the text,
// works out the new text, puts the changes in with the area's repainting
// suspended, and repaints once. A text that changes counts as modified (and the parent
// hears of it once, if it listens for changes); a text already tidy is left
// untouched, its modified flag included. Neither change can be undone.

// The text as the control holds it, every character in UTF-16: a paragraph
// break is one CR, so that offsets into it are caret positions.
std::u16string ControlUnicodeText(HWND memo);

// The code page that hands the text area UTF-16 text unconverted.
inline constexpr UINT UnicodeCodePage = 1200;

// Cuts blank lines and spaces from the start and end of the text and spaces
// from the ends of every line. The caret moves back by what was cut before
// the first character.
void MenuTrimText(HWND memo);

// Makes the first character of every line upper case and the rest lower case,
// through the system's ANSI letter case. The caret stays where it was.
void MenuNormText(HWND memo);
