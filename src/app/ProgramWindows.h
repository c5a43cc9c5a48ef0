#pragma once

#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/OptionsWindow.h"
#include "settings/SettingsSource.h"

#include <windows.h>

// The program's windows in the order they must be made: the application
// window, the main window, then the options window, whose creation loads the
// stored settings into it, shows the main window and ends with the first
// refresh. Closing the main window stores the settings again.
class ProgramWindows {
public:
    explicit ProgramWindows(HINSTANCE instance);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Until the message loop ends: the main window closed, or WM_QUIT.
    int RunMessageLoop();

    TApplication application;
    // What the main window reads until the options window exists.
    const FixedSettings defaults;
    TSonveraMain mainWindow;
    TOptions options;
};
