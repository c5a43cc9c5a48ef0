#include "app/ProgramWindows.h"

#include "settings/SettingsStore.h"
#include "win/MessageBoxes.h"

ProgramWindows::ProgramWindows(HINSTANCE instance)
    : loaded_(LoadSettings()), application(instance), mainWindow(application, loaded_.value, loaded_.look)
{
    mainWindow.SetOptionsCommand([this] { Options().ShowOnFirstTab(); });
    mainWindow.SetCloseHandler([this] {
        mainWindow.KeepGeometry(settings().geometry, settings().openByShell);
        SaveSettings(settings(), mainWindow.Window());
    });
    ShowWindow(mainWindow.Window(), SW_SHOW);
    if (loaded_.error)
        ReportError(mainWindow.Window(), *loaded_.error);
    if (!loaded_.stopped)
        mainWindow.MenuRefreshClick(mainWindow.Window());
}

TOptions& ProgramWindows::Options()
{
    if (!options_)
        options_ = std::make_unique<TOptions>(application.Instance(), mainWindow.Window(), settings(), mainWindow);
    return *options_;
}

int ProgramWindows::RunMessageLoop()
{
    MSG message;
    // Read as Unicode, so that a letter typed outside code page 1251 reaches
    // the Unicode fields whole; the ANSI windows get theirs converted.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The options and find windows' keys first, then the main window's shortcuts.
        if ((options_ && options_->TakeDialogMessage(message)) || mainWindow.TakeFindMessage(message) ||
            mainWindow.TranslateShortcut(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
