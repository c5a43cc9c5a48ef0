#pragma once

#include "editing/SongTextView.h"

// What the refresh cycle drives of the main window, beyond what saving needs.
class RefreshView : public SongTextView {
public:
    // The artist-and-title line; its hint repeats the caption.
    virtual void SetAnTCaption(const std::wstring& caption) = 0;
    virtual void FormResize(HWND sender) = 0;
    // The next command, in the menu and on the toolbar.
    virtual void EnableNextCommands(bool enabled) = 0;
    // The save command, in the menu and on the toolbar.
    virtual void EnableSaveCommands(bool enabled) = 0;
    // Timer1, at the `RefreshInterval` of the moment.
    virtual void SetTimer1Running(bool running) = 0;
    // The look at the player that follows a timed text, every `periodMs`;
    // 0 stops it.
    virtual void SetFollowPeriod(unsigned periodMs) = 0;
};
