#include "settings/SettingsTable.h"

#include "editing/TextEncoding.h"
#include "settings/OptionRules.h"
#include "settings/Settings.h"
#include "settings/SpinRules.h"

#include <algorithm>
#include <array>
#include <climits>
#include <type_traits>

namespace {

using enum StoredKind;

constexpr int UnderscorePosition = 8;
constexpr int NoRange = INT_MIN;

// The accessors of a boolean, integer or enumerated field of the value.
template <auto Member>
std::optional<int> NumberOf(const Settings& settings)
{
    return static_cast<int>(settings.*Member);
}

template <auto Member>
void SetNumber(Settings& settings, int value)
{
    using Field = std::remove_reference_t<decltype(settings.*Member)>;
    settings.*Member = static_cast<Field>(value);
}

// In the order they are loaded; a value of the wrong type stops the loading
// there, and the rows after it keep their designed state.
const std::array<StoredSetting, 28> Table{{
    // The text-view size first: external-editor mode, loaded further down, keeps it.
    {"Height", "Height", Integer, 300, nullptr, NoRange, 0, NoOptionId,
     [](const Settings& s) -> std::optional<int> { return s.geometry.height; },
     [](Settings& s, int v) { s.geometry.height = v; }, nullptr, nullptr},
    {"Width", "Width", Integer, 200, nullptr, NoRange, 0, NoOptionId,
     [](const Settings& s) -> std::optional<int> { return s.geometry.width; },
     [](Settings& s, int v) { s.geometry.width = v; }, nullptr, nullptr},
    {"FontName", "FontName", String, 0, L"Courier New", NoRange, 0, FontBoxId, nullptr, nullptr,
     [](const Settings& s) { return WideFromCp1251(s.fontBox); },
     [](Settings& s, const std::wstring& v) { s.fontBox = Cp1251FromWide(v); }},
    {"TextsPath", "TextsPath", String, 0, L"", NoRange, 0, TextsPathId, nullptr, nullptr,
     [](const Settings& s) { return s.textsPath; }, [](Settings& s, const std::wstring& v) { s.textsPath = v; }},
    {"RefreshOnTimer", "RefreshOnTimer", Boolean, 0, nullptr, NoRange, 0, RefreshOnTimerId, NumberOf<&Settings::refreshOnTimer>, SetNumber<&Settings::refreshOnTimer>, nullptr, nullptr},
    {"RefreshInterval", "RefreshInterval", Integer, 1, nullptr, 1, 99, RefreshIntervalId, NumberOf<&Settings::refreshInterval>, SetNumber<&Settings::refreshInterval>, nullptr, nullptr},
    {"SilentMode", "SilentMode", Boolean, 0, nullptr, NoRange, 0, SilentModeId, NumberOf<&Settings::silentMode>, SetNumber<&Settings::silentMode>, nullptr, nullptr},
    {"MemoFontSize", "MemoFontSize", Integer, 12, nullptr, 1, 99, MemoFontSizeId, NumberOf<&Settings::memoFontSize>, SetNumber<&Settings::memoFontSize>, nullptr, nullptr},
    {"OpenByShell", "OpenByShell", Boolean, 0, nullptr, NoRange, 0, OpenByShellId, NumberOf<&Settings::openByShell>, SetNumber<&Settings::openByShell>, nullptr, nullptr},
    // The place is taken once the mode is known, as the window is shown.
    {"Left", "Left", Place, 0, nullptr, NoRange, 0, NoOptionId,
     [](const Settings& s) { return s.geometry.left; }, [](Settings& s, int v) { s.geometry.left = v; }, nullptr,
     nullptr},
    {"Top", "Top", Place, 0, nullptr, NoRange, 0, NoOptionId,
     [](const Settings& s) { return s.geometry.top; }, [](Settings& s, int v) { s.geometry.top = v; }, nullptr,
     nullptr},
    {"AnTFontSize", "AnTFontSize", Integer, 10, nullptr, 5, 50, AnTFontSizeId, NumberOf<&Settings::anTFontSize>, SetNumber<&Settings::anTFontSize>, nullptr, nullptr},
    {"AutoSave", "AutoSave", Boolean, 1, nullptr, NoRange, 0, AutoSaveId, NumberOf<&Settings::autoSave>, SetNumber<&Settings::autoSave>, nullptr, nullptr},
    {"Toolbar", "Toolbar", Boolean, 1, nullptr, NoRange, 0, ShowToolBarId, NumberOf<&Settings::showToolBar>, SetNumber<&Settings::showToolBar>, nullptr, nullptr},
    {"Statusbar", "Statusbar", Boolean, 1, nullptr, NoRange, 0, ShowStatusBarId, NumberOf<&Settings::showStatusBar>, SetNumber<&Settings::showStatusBar>, nullptr, nullptr},
    {"Iamawriter", "Iamawriter", Boolean, 0, nullptr, NoRange, 0, IamawriterId, NumberOf<&Settings::iamawriter>, SetNumber<&Settings::iamawriter>, nullptr, nullptr},
    {"LengthIsWidth", "LengthIsWidth", Boolean, 0, nullptr, NoRange, 0, LengthIsWidthId, NumberOf<&Settings::lengthIsWidth>, SetNumber<&Settings::lengthIsWidth>, nullptr, nullptr},
    {"MaxMemoWidth", "MaxMemoWidth", Integer, ScreenWidthDefault, nullptr, 0, ScreenWidthDefault, MaxMemoWidthId,
     NumberOf<&Settings::maxMemoWidth>, SetNumber<&Settings::maxMemoWidth>, nullptr, nullptr},
    {"MinMemoWidth", "MinMemoWidth", Integer, 1, nullptr, 1, 800, MinMemoWidthId, NumberOf<&Settings::minMemoWidth>, SetNumber<&Settings::minMemoWidth>, nullptr, nullptr},
    {"ControlWinamp", "ControlWinamp", Boolean, 1, nullptr, NoRange, 0, ControlWinampId, NumberOf<&Settings::controlWinamp>, SetNumber<&Settings::controlWinamp>, nullptr, nullptr},
    {"Autotrim", "Autotrim", Boolean, 0, nullptr, NoRange, 0, AutoTrimId, NumberOf<&Settings::autoTrim>, SetNumber<&Settings::autoTrim>, nullptr, nullptr},
    {"ShowAnT", "ShowAnT", Boolean, 1, nullptr, NoRange, 0, ShowAnTId, NumberOf<&Settings::showAnT>, SetNumber<&Settings::showAnT>, nullptr, nullptr},
    {"SpecialSym", "SpecialSym", Integer, UnderscorePosition, nullptr, NoRange, 0, SpecialSymId,
     [](const Settings& s) -> std::optional<int> { return s.specialSymPosition; },
     [](Settings& s, int v) { s.specialSymPosition = SpecialSymPositionOf(v); }, nullptr, nullptr},
    // Black on silver.
    {"AnTColor", "AntColor", Integer, 7, nullptr, NoRange, 0, AnTColorId,
     [](const Settings& s) -> std::optional<int> { return EncodeColourPair(s.anTColor); },
     [](Settings& s, int v) {
         // The grid refuses an index outside its table and keeps its pick.
         const ColourPair pair = DecodeColourPair(v);
         if (pair.foreground >= 0 && pair.foreground < ColourCount)
             s.anTColor.foreground = pair.foreground;
         if (pair.background >= 0 && pair.background < ColourCount)
             s.anTColor.background = pair.background;
     },
     nullptr, nullptr},
    {"ClosePads", "ClosePads", Boolean, 1, nullptr, NoRange, 0, ClosePadsId, NumberOf<&Settings::closePads>, SetNumber<&Settings::closePads>, nullptr, nullptr},
    {"AmpVer", "AmpVer", Integer, 0, nullptr, NoRange, 0, AmpVerId,
     [](const Settings& s) -> std::optional<int> { return static_cast<int>(s.ampVer); },
     [](Settings& s, int v) { s.ampVer = static_cast<PlayerGeneration>(AmpVerIndexOf(v)); }, nullptr, nullptr},
    {"UseAnTWidth", "UseAnTWidth", Boolean, 1, nullptr, NoRange, 0, UseAnTWidthId, NumberOf<&Settings::useAnTWidth>, SetNumber<&Settings::useAnTWidth>, nullptr, nullptr},
    {"ShowHints", "ShowHints", Boolean, 1, nullptr, NoRange, 0, ShowHintsId, NumberOf<&Settings::showHints>, SetNumber<&Settings::showHints>, nullptr, nullptr},
}};

} // namespace

std::span<const StoredSetting> StoredSettings()
{
    return Table;
}

const StoredSetting* StoredSettingOf(OptionId option)
{
    const auto found = std::find_if(Table.begin(), Table.end(),
                                    [option](const StoredSetting& setting) { return setting.option == option; });
    return option == NoOptionId || found == Table.end() ? nullptr : &*found;
}

int LoadedNumber(const StoredSetting& setting, int stored, int screenWidth)
{
    if (setting.kind == Boolean)
        return stored != 0 ? 1 : 0;
    if (setting.minimum == NoRange)
        return stored;
    const int maximum = setting.maximum == ScreenWidthDefault ? screenWidth : setting.maximum;
    return ClampSpinValue(stored, setting.minimum, maximum);
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
