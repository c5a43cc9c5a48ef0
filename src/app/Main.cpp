#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/ScreenSettings.h"
#include "settings/SettingsKey.h"
#include "win/MessageBoxes.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <exception>

namespace {

// The windows that want a message before it is dispatched get it here, in
// order; the first that takes it ends its way.
bool TakenBeforeDispatch(TSonveraMain& mainWindow, MSG& message)
{
    return mainWindow.TranslateShortcut(message);
}

int RunMessageLoop(TSonveraMain& mainWindow)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TakenBeforeDispatch(mainWindow, message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

// Until the options window loads every stored setting, the texts folder and
// the timer come from the settings key here, and a value that cannot be read
// keeps its default.
FixedSettings StartUpSettings()
{
    FixedSettings settings = ScreenSettings();
    const UniqueRegistryKey key = OpenSettingsKey();
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    if (key && RegQueryValueExA(key.get(), "TextsPath", nullptr, &type, reinterpret_cast<BYTE*>(path), &size) ==
                   ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
        settings.textsPath = path;
    try {
        settings.refreshOnTimer = ReadStoredInteger(key.get(), "RefreshOnTimer").value_or(0) != 0;
        settings.refreshInterval = std::clamp(ReadStoredInteger(key.get(), "RefreshInterval").value_or(1), 1, 99);
    } catch (const std::exception&) {
    }
    return settings;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TApplication application(instance);
        const FixedSettings settings = StartUpSettings();
        TSonveraMain mainWindow(application, settings);
        ShowWindow(mainWindow.Window(), SW_SHOW);
        mainWindow.SetTimer1Running(settings.refreshOnTimer);
        mainWindow.MenuRefreshClick(mainWindow.Window());
        return RunMessageLoop(mainWindow);
    } catch (const std::exception& error) {
        ReportError(nullptr, error.what());
    }
    return 0;
}
