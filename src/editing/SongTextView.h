#pragma once

#include "editing/ExternalEditor.h"
#include "editing/TextEncoding.h"
#include "player/NowPlaying.h"

#include <windows.h>

#include <string>

class SettingsSource;

// The song on screen and what saving and the editor need of the window that
// shows it: the main window is one.
class SongTextView {
public:
    virtual ~SongTextView() = default;

    virtual HWND Window() const = 0;
    virtual HWND Memo2() const = 0;
    virtual HWND AnT() const = 0;
    virtual const SettingsSource& Settings() const = 0;
    virtual std::string StatusText() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetStatusHint(const std::string& hint) = 0;

    // The song of the last refresh; a new text is named after it.
    NowPlayingSong Song;
    // Full path of the text shown or opened; empty when none.
    std::string CurrentTextFile;
    // How that file stores its text, so that saving writes it back the same
    // way; code page 1251 when nothing was read from it.
    ShownTextFormat CurrentTextFormat;
    // The editor started last; zero when none.
    EditorProcessRecord EditorProcess;
};
