#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/ScreenSettings.h"
#include "win/MessageBoxes.h"

#include <windows.h>

#include <commctrl.h>

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

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TApplication application(instance);
        // The options window will stand in for these defaults once it exists.
        const FixedSettings settings = ScreenSettings();
        TSonveraMain mainWindow(application, settings);
        ShowWindow(mainWindow.Window(), SW_SHOW);
        return RunMessageLoop(mainWindow);
    } catch (const std::exception& error) {
        ReportError(nullptr, error.what());
    }
    return 0;
}
