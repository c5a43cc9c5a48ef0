#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/ColourGrid.h"
#include "settings/OptionsWindow.h"
#include "settings/ScreenSettings.h"
#include "settings/SpinField.h"
#include "settings/SettingsKey.h"
#include "win/MessageBoxes.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

namespace {

// The windows that want a message before it is dispatched get it here, in
// order; the first that takes it ends its way.
bool TakenBeforeDispatch(TOptions& options, TSonveraMain& mainWindow, MSG& message)
{
    return options.TakeDialogMessage(message) || mainWindow.TranslateShortcut(message);
}

int RunMessageLoop(TOptions& options, TSonveraMain& mainWindow)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TakenBeforeDispatch(options, mainWindow, message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

// Until the stored settings are loaded in full, the options start from the
// program's defaults, with the texts folder and the timer from the settings key.
void ApplyStartUpSettings(TOptions& options)
{
    const FixedSettings defaults = ScreenSettings();
    options.FillFontList();
    options.SelectFont(defaults.fontBox);
    options.FontBoxChange(options.Control(FontBoxId));
    options.Spin(MemoFontSizeId).SetValue(defaults.memoFontSize);
    options.Spin(AnTFontSizeId).SetValue(defaults.anTFontSize);
    options.AnTColor().SetBackgroundIndex(7);
    options.SetSpecialSymPosition(8);
    options.SetChecked(AutoSaveId, defaults.autoSave);
    options.SetChecked(ClosePadsId, defaults.closePads);
    options.SetChecked(UseAnTWidthId, defaults.useAnTWidth);
    options.Spin(MaxMemoWidthId).SetRange(0, defaults.maxMemoWidth);
    options.Spin(MaxMemoWidthId).SetValue(defaults.maxMemoWidth);

    const UniqueRegistryKey key = OpenSettingsKey();
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    if (key && RegQueryValueExA(key.get(), "TextsPath", nullptr, &type, reinterpret_cast<BYTE*>(path), &size) ==
                   ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
        options.SetTextsPath(path);
    try {
        options.SetChecked(RefreshOnTimerId, ReadStoredInteger(key.get(), "RefreshOnTimer").value_or(0) != 0);
        options.Spin(RefreshIntervalId).SetValue(ReadStoredInteger(key.get(), "RefreshInterval").value_or(1));
    } catch (const std::exception&) {
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TApplication application(instance);
        const FixedSettings defaults = ScreenSettings();
        TSonveraMain mainWindow(application, defaults);
        TOptions options(instance, mainWindow);
        mainWindow.UseSettings(options);
        mainWindow.SetOptionsCommand([&options] { options.ShowOnFirstTab(); });
        ApplyStartUpSettings(options);
        ShowWindow(mainWindow.Window(), SW_SHOW);
        mainWindow.MenuRefreshClick(mainWindow.Window());
        return RunMessageLoop(options, mainWindow);
    } catch (const std::exception& error) {
        ReportError(nullptr, error.what());
    }
    return 0;
}
