#pragma once

#include <optional>
#include <string>

// The user options as the rest of the program reads them: always at the moment
// of use, never cached, so that a change in the options window takes effect at
// the next action. The options window implements this by reading its controls;
// before it exists, and in tests, `FixedSettings` stands in.
//
// "Ticked" and "enabled" are separate because some steps look only at whether
// a box is ticked and others also at whether it is enabled.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;

    // Folder of the song texts, expected to end with a backslash.
    virtual std::string TextsPath() const = 0;
    // 0: Winamp 1.x/2.x, anything else: Winamp 3.
    virtual int AmpVer() const = 0;
    // Its first character replaces what a file name cannot hold.
    virtual std::string SpecialSym() const = 0;

    virtual bool SilentMode() const = 0;
    virtual bool RefreshOnTimer() const = 0;
    virtual int RefreshInterval() const = 0;
    virtual bool OpenByShell() const = 0;
    virtual bool ClosePads() const = 0;
    virtual bool ClosePadsEnabled() const = 0;
    virtual bool Iamawriter() const = 0;
    virtual bool AutoSave() const = 0;
    virtual bool AutoSaveEnabled() const = 0;
    virtual bool AutoTrim() const = 0;
    virtual bool LengthIsWidth() const = 0;
    virtual bool LengthIsWidthEnabled() const = 0;
    virtual bool UseAnTWidth() const = 0;
    virtual bool UseAnTWidthEnabled() const = 0;
    virtual int MinMemoWidth() const = 0;
    virtual int MaxMemoWidth() const = 0;
    virtual bool ShowAnT() const = 0;
    virtual int AnTFontSize() const = 0;
    virtual bool ShowToolBar() const = 0;
    virtual bool ShowStatusBar() const = 0;
    virtual bool StayOnTop() const = 0;
    virtual bool ControlWinamp() const = 0;
    virtual bool ShowHints() const = 0;
    virtual int MemoFontSize() const = 0;
    virtual std::string FontBox() const = 0;
};

// Plain values, starting at the program's defaults. `maxMemoWidth` defaults to
// the screen width, which only the window system knows; `ScreenSettings()`
// (Win32 builds) fills it in.
class FixedSettings : public SettingsSource {
public:
    std::string textsPath;
    int ampVer = 0;
    std::string specialSym = "_";
    bool silentMode = false;
    bool refreshOnTimer = false;
    int refreshInterval = 1;
    bool openByShell = false;
    bool closePads = true;
    bool iamawriter = false;
    bool autoSave = true;
    // As the options window has them: `AutoSave` enabled in text-view mode,
    // `ClosePads` in external-editor mode, unless set.
    std::optional<bool> autoSaveEnabled;
    std::optional<bool> closePadsEnabled;
    bool autoTrim = false;
    bool lengthIsWidth = false;
    bool lengthIsWidthEnabled = true;
    bool useAnTWidth = true;
    bool useAnTWidthEnabled = true;
    int minMemoWidth = 1;
    int maxMemoWidth = 1024;
    bool showAnT = true;
    int anTFontSize = 10;
    bool showToolBar = true;
    bool showStatusBar = true;
    bool stayOnTop = false;
    bool controlWinamp = true;
    bool showHints = true;
    int memoFontSize = 12;
    std::string fontBox = "Courier New";

    std::string TextsPath() const override { return textsPath; }
    int AmpVer() const override { return ampVer; }
    std::string SpecialSym() const override { return specialSym; }
    bool SilentMode() const override { return silentMode; }
    bool RefreshOnTimer() const override { return refreshOnTimer; }
    int RefreshInterval() const override { return refreshInterval; }
    bool OpenByShell() const override { return openByShell; }
    bool ClosePads() const override { return closePads; }
    bool ClosePadsEnabled() const override { return closePadsEnabled.value_or(openByShell); }
    bool Iamawriter() const override { return iamawriter; }
    bool AutoSave() const override { return autoSave; }
    bool AutoSaveEnabled() const override { return autoSaveEnabled.value_or(!openByShell); }
    bool AutoTrim() const override { return autoTrim; }
    bool LengthIsWidth() const override { return lengthIsWidth; }
    bool LengthIsWidthEnabled() const override { return lengthIsWidthEnabled; }
    bool UseAnTWidth() const override { return useAnTWidth; }
    bool UseAnTWidthEnabled() const override { return useAnTWidthEnabled; }
    int MinMemoWidth() const override { return minMemoWidth; }
    int MaxMemoWidth() const override { return maxMemoWidth; }
    bool ShowAnT() const override { return showAnT; }
    int AnTFontSize() const override { return anTFontSize; }
    bool ShowToolBar() const override { return showToolBar; }
    bool ShowStatusBar() const override { return showStatusBar; }
    bool StayOnTop() const override { return stayOnTop; }
    bool ControlWinamp() const override { return controlWinamp; }
    bool ShowHints() const override { return showHints; }
    int MemoFontSize() const override { return memoFontSize; }
    std::string FontBox() const override { return fontBox; }
};
