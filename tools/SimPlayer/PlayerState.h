#pragma once

#include "KeyLog.h"
#include "Playback.h"

#include <windows.h>

#include <string>

// What both windows of the player share.
struct PlayerState {
    Playback playback;
    KeyLog log;
    std::string lastCommand = "none yet";
    HWND mainWindow = nullptr;
    HWND editorWindow = nullptr;

    // Puts the playback's title on the main window and repaints both windows.
    void Changed() const
    {
        if (!mainWindow)
            return;
        SetWindowTextA(mainWindow, playback.Title().c_str());
        InvalidateRect(mainWindow, nullptr, TRUE);
        if (editorWindow)
            InvalidateRect(editorWindow, nullptr, TRUE);
    }
};
