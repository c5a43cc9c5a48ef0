#pragma once

#include <string>

// The user options as the rest of the program reads them: always at the moment
// of use, never cached, so that a change in the options window takes effect at
// the next action. The settings value (Settings.h) implements it.
//
// "Ticked" and "enabled" are separate because some steps look only at whether
// a box is ticked and others also at whether it is enabled.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;

    // Folder of the song texts, expected to end with a backslash.
    virtual std::wstring TextsPath() const = 0;
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
