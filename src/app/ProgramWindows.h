#pragma once

#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/OptionsWindow.h"
#include "settings/SettingsLoading.h"

#include <windows.h>

#include <memory>

// The program: its settings, loaded from the registry first, then the
// application window and the main window made in the loaded state, shown
// once, and the first refresh. The options window is made when first opened.
// Closing the main window stores the settings again.
class ProgramWindows {
public:
    explicit ProgramWindows(HINSTANCE instance);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Until the message loop ends: the main window closed, or WM_QUIT.
    int RunMessageLoop();

    Settings& settings() { return loaded_.value; }
    // Made on first use.
    TOptions& Options();

private:
    // Made first: the windows are made from it.
    LoadedSettings loaded_;

public:
    TApplication application;
    TSonveraMain mainWindow;

private:
    std::unique_ptr<TOptions> options_;
};
