#pragma once

#include "settings/OptionNames.h"
#include "settings/OptionRules.h"
#include "settings/SettingsSource.h"

#include <optional>
#include <set>
#include <string>

// The player generation the commands and the title parser speak to, stored as
// its code; no button chosen is a generation of its own.
enum class PlayerGeneration : int { None = -1, Winamp2 = 0, Winamp3 = 1 };

// The main window's place, and its size in text-view mode (in external-editor
// mode the window is only its toolbar, and this is the size it comes back to).
struct WindowGeometry {
    std::optional<int> left;
    std::optional<int> top;
    int width = 200;
    int height = 300;
    bool operator==(const WindowGeometry&) const = default;
};

// The user's options as one value: owned by the program, loaded before the
// main window exists, shown and changed by the options window, read by
// everyone else through SettingsSource at the moment they act. A default
// value is what an empty registry key loads.
class Settings : public SettingsSource {
public:
    std::string fontBox = "Courier New";  // empty: no font chosen
    std::wstring textsPath;
    bool refreshOnTimer = false;
    int refreshInterval = 1;
    bool silentMode = false;
    int memoFontSize = 12;
    bool openByShell = false;
    // The label size the user chose; external-editor mode shows 10 instead.
    int anTFontSize = 10;
    bool autoSave = true;
    bool showToolBar = true;
    bool showStatusBar = true;
    bool iamawriter = false;
    bool lengthIsWidth = false;
    int maxMemoWidth = 1024;
    int minMemoWidth = 1;
    bool controlWinamp = true;
    bool autoTrim = false;
    bool showAnT = true;
    // 1..12 in SpecialSymbols; anything else reads as the underscore.
    int specialSymPosition = 8;
    ColourPair anTColor{0, 7};
    bool closePads = true;
    PlayerGeneration ampVer = PlayerGeneration::Winamp2;
    bool useAnTWidth = true;
    bool showHints = true;
    bool stayOnTop = false;  // never stored
    WindowGeometry geometry;

    // Which controls of the options window take input. Some steps look at a
    // box's enabled state too, and it depends on the order of past changes,
    // so it is kept rather than worked out.
    bool IsEnabled(OptionId control) const { return !disabled_.contains(control); }
    void Enable(OptionId control, bool enabled);

    std::wstring TextsPath() const override { return textsPath; }
    int AmpVer() const override { return static_cast<int>(ampVer); }
    std::string SpecialSym() const override;
    bool SilentMode() const override { return silentMode; }
    bool RefreshOnTimer() const override { return refreshOnTimer; }
    int RefreshInterval() const override { return refreshInterval; }
    bool OpenByShell() const override { return openByShell; }
    bool ClosePads() const override { return closePads; }
    bool ClosePadsEnabled() const override { return IsEnabled(ClosePadsId); }
    bool Iamawriter() const override { return iamawriter; }
    bool AutoSave() const override { return autoSave; }
    bool AutoSaveEnabled() const override { return IsEnabled(AutoSaveId); }
    bool AutoTrim() const override { return autoTrim; }
    bool LengthIsWidth() const override { return lengthIsWidth; }
    bool LengthIsWidthEnabled() const override { return IsEnabled(LengthIsWidthId); }
    bool UseAnTWidth() const override { return useAnTWidth; }
    bool UseAnTWidthEnabled() const override { return IsEnabled(UseAnTWidthId); }
    int MinMemoWidth() const override { return minMemoWidth; }
    int MaxMemoWidth() const override { return maxMemoWidth; }
    bool ShowAnT() const override { return showAnT; }
    // The size the label shows: 10 in external-editor mode.
    int AnTFontSize() const override { return openByShell ? EditorModeAnTFontSize : anTFontSize; }
    bool ShowToolBar() const override { return showToolBar; }
    bool ShowStatusBar() const override { return showStatusBar; }
    bool StayOnTop() const override { return stayOnTop; }
    bool ControlWinamp() const override { return controlWinamp; }
    bool ShowHints() const override { return showHints; }
    int MemoFontSize() const override { return memoFontSize; }
    std::string FontBox() const override { return fontBox; }

    static constexpr int EditorModeAnTFontSize = 10;

private:
    std::set<OptionId> disabled_{RefreshIntervalId, MinMemoWidthId, MaxMemoWidthId,
                                 UseAnTWidthId,     IamawriterId,   ClosePadsId};
};

// The options as the options window is designed, before anything is loaded:
// where loading stops at a bad value, the fields after it keep these.
Settings DesignedSettings();
