#pragma once

#include <windows.h>

#include <string>

class SettingsSource;
class TextArea;
struct SongSession;

// The song on screen and what saving and the editor need of the window that
// shows it: the main window is one.
class SongTextView {
public:
    virtual ~SongTextView() = default;

    virtual HWND Window() const = 0;
    virtual TextArea& Text() = 0;
    virtual HWND AnT() const = 0;
    virtual const SettingsSource& Settings() const = 0;
    // The song the window is on, and what was found for it.
    virtual SongSession& Session() = 0;
    // The status line and its hint show paths and names of any characters.
    virtual std::wstring StatusText() const = 0;
    virtual void SetStatusText(const std::wstring& text) = 0;
    virtual void SetStatusHint(const std::wstring& hint) = 0;
    // Told of each text written to its file, so that what keeps the folder's
    // texts (the find's index) takes it in at once.
    virtual void TextWritten(const std::wstring& /*file*/) {}
};
