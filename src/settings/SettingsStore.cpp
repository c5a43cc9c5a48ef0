#include "settings/SettingsStore.h"

#include "settings/ColourGrid.h"
#include "settings/MainWindowLook.h"
#include "settings/OptionRules.h"
#include "settings/OptionsWindow.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsTable.h"
#include "settings/SpinField.h"
#include "win/MessageBoxes.h"
#include "win/Registry.h"

#include <stdexcept>
#include <string>

namespace {

// The main window leaves its own minimum width at nothing.
constexpr int MainWindowMinimumWidth = 0;

bool IsSpinField(OptionId id)
{
    return id == RefreshIntervalId || id == MemoFontSizeId || id == AnTFontSizeId || id == MaxMemoWidthId ||
           id == MinMemoWidthId;
}

int DigitsOf(int number)
{
    return static_cast<int>(std::to_string(number).size());
}

void PutString(TOptions& options, const StoredSetting& setting, const std::string& value)
{
    if (setting.control == FontBoxId) {
        options.SelectFont(value);
        // The program's selection runs no handler: the text takes the font here.
        options.FontBoxChange(options.Control(FontBoxId));
    } else {
        options.SetTextsPath(value);
    }
}

void PutNumber(TOptions& options, const StoredSetting& setting, int value)
{
    switch (setting.control) {
    case AnTFontSizeId:
        // In external-editor mode the field keeps showing the forced size.
        if (options.OpenByShell())
            options.KeptAnTFontSize = value;
        else
            options.Spin(AnTFontSizeId).SetValue(value);
        return;
    case SpecialSymId:
        options.SetSpecialSymPosition(SpecialSymPositionOf(value));
        return;
    case AnTColorId: {
        const ColourPair pair = DecodeColourPair(value);
        options.AnTColor().SetForegroundIndex(pair.foreground);
        options.AnTColor().SetBackgroundIndex(pair.background);
        return;
    }
    case AmpVerId:
        options.SetAmpVer(AmpVerIndexOf(value));
        return;
    default:
        if (IsSpinField(setting.control))
            options.Spin(setting.control).SetValue(value);
        else
            options.SetChecked(setting.control, value != 0);
    }
}

int NumberOf(const TOptions& options, const StoredSetting& setting)
{
    switch (setting.control) {
    case AnTFontSizeId:
        return options.OpenByShell() ? options.KeptAnTFontSize : options.AnTFontSize();
    case SpecialSymId:
        return options.SpecialSymPosition();
    case AnTColorId:
        return EncodeColourPair({options.AnTColor().ForegroundIndex(), options.AnTColor().BackgroundIndex()});
    case AmpVerId:
        return options.AmpVer();
    default:
        if (IsSpinField(setting.control))
            return options.Spin(setting.control).Value();
        return options.IsChecked(setting.control) ? 1 : 0;
    }
}

void ShowMainWindow(HWND mainWindow, HKEY key)
{
    ShowWindow(mainWindow, SW_SHOW);
    RECT bounds{};
    GetWindowRect(mainWindow, &bounds);
    const int left = ReadStoredInteger(key, "Left").value_or(bounds.left);
    SetWindowPos(mainWindow, nullptr, left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int top = ReadStoredInteger(key, "Top").value_or(bounds.top);
    SetWindowPos(mainWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LoadInOrder(TOptions& options, HKEY key)
{
    HWND mainWindow = options.MainWindow().Window();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    for (const StoredSetting& setting : StoredSettings()) {
        if (setting.control == MaxMemoWidthId) {
            SpinField& maxWidth = options.Spin(MaxMemoWidthId);
            maxWidth.SetRange(MainWindowMinimumWidth, screenWidth);
            maxWidth.SetMaxLength(DigitsOf(screenWidth));
        }
        if (setting.kind == StoredKind::String) {
            PutString(options, setting, ReadStoredString(key, setting.name).value_or(setting.defaultText));
        } else {
            const int fallback = setting.defaultNumber == ScreenWidthDefault ? screenWidth : setting.defaultNumber;
            PutNumber(options, setting, ReadStoredInteger(key, setting.name).value_or(fallback));
        }
        if (setting.control == OpenByShellId)
            ShowMainWindow(mainWindow, key);
    }
}

} // namespace

void LoadSettings(TOptions& options, const std::function<void()>& firstRefresh)
{
    {
        const UniqueRegistryKey key = OpenSettingsKey();
        try {
            LoadInOrder(options, key.get());
        } catch (const std::runtime_error& error) {
            // Whatever stopped the loading, the user gets a window to work in.
            HWND mainWindow = options.MainWindow().Window();
            if (!IsWindowVisible(mainWindow))
                ShowWindow(mainWindow, SW_SHOW);
            ReportError(mainWindow, error.what());
            return;
        }
    }
    if (firstRefresh)
        firstRefresh();
}

void SaveSettings(const TOptions& options)
{
    const UniqueRegistryKey key = OpenSettingsKey();
    std::string refused;
    const auto write = [&](const char* name, LONG status) {
        if (status != ERROR_SUCCESS && refused.empty())
            refused = name;
    };
    const auto writeNumber = [&](const char* name, int value) {
        write(name, key ? WriteRegistryDword(key.get(), name, static_cast<DWORD>(value)) : ERROR_INVALID_HANDLE);
    };
    for (const StoredSetting& setting : StoredSettings()) {
        if (setting.kind != StoredKind::String) {
            writeNumber(setting.writtenName, NumberOf(options, setting));
            continue;
        }
        const std::string value = setting.control == FontBoxId ? options.FontBox() : options.TextsPath();
        write(setting.writtenName, key ? WriteRegistryString(key.get(), setting.writtenName, value) : ERROR_INVALID_HANDLE);
    }
    HWND mainWindow = options.MainWindow().Window();
    RECT bounds{};
    GetWindowRect(mainWindow, &bounds);
    writeNumber("Left", bounds.left);
    writeNumber("Top", bounds.top);
    const bool editorMode = options.OpenByShell();
    writeNumber("Width", editorMode ? options.NormalWidth : bounds.right - bounds.left);
    writeNumber("Height", editorMode ? options.NormalHeight : bounds.bottom - bounds.top);
    if (!refused.empty())
        ReportError(mainWindow, "Failed to set data for '" + refused + "'");
}
