#pragma once

#include "KeyLog.h"
#include "Playback.h"
#include "WindowBase.h"

#include <windows.h>

#include <string>

// What both windows of the player share.
struct PlayerState {
    Playback playback;
    KeyLog log;
    std::wstring lastCommand = L"none yet";
    HWND mainWindow = nullptr;
    HWND editorWindow = nullptr;
    bool unicode = false; // Unicode windows, as a Winamp 5 player's are
    bool scrolls = false;
    std::size_t scrollStep = 0;

    // The main window's title: the playback's, turned when scrolling.
    std::wstring ShownTitle() const
    {
        return scrolls ? ScrolledTitle(playback.Title(), scrollStep) : playback.Title();
    }

    // Puts the title on the main window and repaints both windows.
    void Changed() const
    {
        if (!mainWindow)
            return;
        SetTitle(mainWindow, ShownTitle());
        InvalidateRect(mainWindow, nullptr, TRUE);
        if (editorWindow)
            InvalidateRect(editorWindow, nullptr, TRUE);
    }
};
