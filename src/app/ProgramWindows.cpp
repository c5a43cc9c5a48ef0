#include "app/ProgramWindows.h"

#include "settings/ScreenSettings.h"
#include "settings/SettingsStore.h"

ProgramWindows::ProgramWindows(HINSTANCE instance)
    : application(instance), defaults(ScreenSettings()), mainWindow(application, defaults),
      options(instance, mainWindow, [this](TOptions& created) {
          mainWindow.UseSettings(created);
          LoadSettings(created, [this] { mainWindow.MenuRefreshClick(mainWindow.Window()); });
      })
{
    mainWindow.SetOptionsCommand([this] { options.ShowOnFirstTab(); });
    mainWindow.SetCloseHandler([this] { SaveSettings(options); });
}

int ProgramWindows::RunMessageLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // The options window's keys first, then the main window's shortcuts.
        if (options.TakeDialogMessage(message) || mainWindow.TranslateShortcut(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
