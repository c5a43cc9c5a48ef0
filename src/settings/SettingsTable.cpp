#include "settings/SettingsTable.h"

#include "settings/OptionRules.h"

#include <algorithm>
#include <array>

namespace {

using enum StoredKind;

constexpr int UnderscorePosition = 8;

// In the order they are loaded; a value of the wrong type stops the loading
// there, and the rows after it keep the options window's designed state.
constexpr std::array<StoredSetting, 24> Table{{
    {FontBoxId, "FontName", "FontName", String, 0, "Courier New"},
    {TextsPathId, "TextsPath", "TextsPath", String, 0, ""},
    {RefreshOnTimerId, "RefreshOnTimer", "RefreshOnTimer", Boolean, 0, nullptr},
    {RefreshIntervalId, "RefreshInterval", "RefreshInterval", Integer, 1, nullptr},
    {SilentModeId, "SilentMode", "SilentMode", Boolean, 0, nullptr},
    {MemoFontSizeId, "MemoFontSize", "MemoFontSize", Integer, 12, nullptr},
    {OpenByShellId, "OpenByShell", "OpenByShell", Boolean, 0, nullptr},
    {AnTFontSizeId, "AnTFontSize", "AnTFontSize", Integer, 10, nullptr},
    {AutoSaveId, "AutoSave", "AutoSave", Boolean, 1, nullptr},
    {ShowToolBarId, "Toolbar", "Toolbar", Boolean, 1, nullptr},
    {ShowStatusBarId, "Statusbar", "Statusbar", Boolean, 1, nullptr},
    {IamawriterId, "Iamawriter", "Iamawriter", Boolean, 0, nullptr},
    {LengthIsWidthId, "LengthIsWidth", "LengthIsWidth", Boolean, 0, nullptr},
    {MaxMemoWidthId, "MaxMemoWidth", "MaxMemoWidth", Integer, ScreenWidthDefault, nullptr},
    {MinMemoWidthId, "MinMemoWidth", "MinMemoWidth", Integer, 1, nullptr},
    {ControlWinampId, "ControlWinamp", "ControlWinamp", Boolean, 1, nullptr},
    {AutoTrimId, "Autotrim", "Autotrim", Boolean, 0, nullptr},
    {ShowAnTId, "ShowAnT", "ShowAnT", Boolean, 1, nullptr},
    {SpecialSymId, "SpecialSym", "SpecialSym", Integer, UnderscorePosition, nullptr},
    // Black on silver.
    {AnTColorId, "AnTColor", "AntColor", Integer, 7, nullptr},
    {ClosePadsId, "ClosePads", "ClosePads", Boolean, 1, nullptr},
    {AmpVerId, "AmpVer", "AmpVer", Integer, 0, nullptr},
    {UseAnTWidthId, "UseAnTWidth", "UseAnTWidth", Boolean, 1, nullptr},
    {ShowHintsId, "ShowHints", "ShowHints", Boolean, 1, nullptr},
}};

} // namespace

std::span<const StoredSetting> StoredSettings()
{
    return Table;
}

int SpecialSymPositionOf(std::optional<int> stored)
{
    const int count = static_cast<int>(SpecialSymbols.size());
    return stored && *stored >= 1 && *stored <= count ? *stored : UnderscorePosition;
}

int AmpVerIndexOf(int stored)
{
    return std::clamp(stored, -1, 1);
}
