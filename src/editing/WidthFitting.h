#pragma once

#include <windows.h>

#include <string>

class SettingsSource;
class TextArea;

// Width fitting of the main window. `memo` is the text area (a rich edit),
// `artistAndTitle` the label above it (any control that answers WM_GETTEXT
// and WM_GETFONT). Widths are measured with the fonts the controls show,
// without changing them, in the window's pixels; the bounds `MinMemoWidth`
// and `MaxMemoWidth` are in design units, scaled to the window's pixels.

// Sets the main window's client width from the widest line of `textFile` as
// stored on disk, decoded as the text area shows it (lines end at CR, LF or
// CR LF), and of the label's caption
// too while `UseAnTWidth` is ticked: the bound `MaxMemoWidth` or `MinMemoWidth`
// when the width passes it, else the width plus the room around the text
// area's text (outer width of the main window less client width of `memo`);
// the horizontal scroll bar's thickness on top. When the file cannot be read
// (or `textFile` is empty) it reports "Cannot open file <path>" through the
// standard error report, keeps the width and returns false, so that the
// caller can stop what should have followed.
bool FitWindowWidth(HWND mainWindow, const TextArea& memo, HWND artistAndTitle, const std::wstring& textFile,
                    const SettingsSource& settings);

// For a song that has no text, while `UseAnTWidth` is enabled and ticked: sets
// the client width to the width of the label's caption and two spaces, then,
// comparing the width the window actually took each time, brings it down to
// `MaxMemoWidth` and up to `MinMemoWidth`. No allowance, no scroll bar.
void FitWidthToArtistAndTitle(HWND mainWindow, HWND artistAndTitle, const SettingsSource& settings);

// After any miss, while `LengthIsWidth` is enabled and ticked and `UseAnTWidth`
// is not ticked: sets the main window's outer width, frame included, to
// `MinMemoWidth`.
void ShrinkToMinimumWidth(HWND mainWindow, const SettingsSource& settings);
