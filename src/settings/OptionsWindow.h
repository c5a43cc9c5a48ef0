#pragma once

#include "settings/OptionControls.h"
#include "settings/SettingsSource.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The system's folder browser, file-system folders only: the chosen folder,
// or nothing when the user cancels.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);

class ColourGrid;
class MainWindowLook;
class SpinField;

// The options window: each setting is one of its controls, and the controls
// hold the live values, which the rest of the program reads through
// SettingsSource at the moment it acts. A change of a control, by the user or
// by the program, applies itself to the main window through its handler.
// Closing the window only hides it.
class TOptions : public SettingsSource {
public:
    // Created hidden, centred on the screen, owned by the main window;
    // `formCreate` runs last, as the window's creation handler.
    TOptions(HINSTANCE instance, MainWindowLook& mainWindow, const std::function<void(TOptions&)>& formCreate = {});
    ~TOptions() override;
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    HWND Window() const { return window_; }
    MainWindowLook& MainWindow() const { return mainWindow_; }
    // The main window's options command: the first tab, shown without being modal.
    void ShowOnFirstTab();
    // For the message loop, before the main window's shortcuts: Tab and the
    // arrows between the controls, Ctrl+Tab between the tabs.
    bool TakeDialogMessage(MSG& message);

    HWND Control(OptionId id) const;
    SpinField& Spin(OptionId id) const;
    ColourGrid& AnTColor() const { return *anTColor_; }
    HWND Tabs() const { return tabs_; }
    int SelectedTab() const;
    void SelectTab(int index);

    // Each as the user could set it: a real change runs the control's handler,
    // setting what the control already holds runs nothing.
    void SetChecked(OptionId id, bool checked);
    bool IsChecked(OptionId id) const;
    bool IsEnabled(OptionId id) const;
    void SetTextsPath(const std::string& path);
    // -1 clears the selection, which runs nothing.
    void SetAmpVer(int index);
    // 1..12 in the special symbols; anything else leaves the position unset.
    void SetSpecialSymPosition(int position);
    int SpecialSymPosition() const { return specialPosition_; }

    // The installed screen fonts, sorted, with "Default"; filled when the
    // window is first shown, or earlier by this.
    void FillFontList();
    // Selects the entry of that name, whatever its letter case, or nothing
    // when there is none; runs no handler. Returns whether one was found.
    bool SelectFont(const std::string& name);

    // What external-editor mode overrides: the label size the user set and
    // the window's size in text-view mode.
    int KeptAnTFontSize = 0;
    int NormalWidth = 0;
    int NormalHeight = 0;

    // The folder browser, replaceable for tests.
    std::function<std::optional<std::string>(HWND owner, const std::string& title)> browseForFolder = BrowseForFolder;

    virtual void BrowsePathClick(HWND sender);
    virtual void RefreshOnTimerClick(HWND sender);
    virtual void RefreshIntervalChange(HWND sender);
    virtual void MemoFontSizeChange(HWND sender);
    virtual void FontBoxChange(HWND sender);
    virtual void OpenByShellClick(HWND sender);
    virtual void ShowToolBarClick(HWND sender);
    virtual void ShowStatusBarClick(HWND sender);
    virtual void LengthIsWidthClick(HWND sender);
    virtual void StayOnTopClick(HWND sender);
    virtual void ControlWinampClick(HWND sender);
    virtual void ShowAnTClick(HWND sender);
    virtual void AnTFontSizeChange(HWND sender);
    virtual void AnTColorChange(HWND sender);
    virtual void SpecialLeftMouseDown(HWND sender, UINT button);
    virtual void SpecialRightMouseDown(HWND sender, UINT button);
    virtual void ShowHintsClick(HWND sender);
    virtual void AmpVerClick(HWND sender);

    std::string TextsPath() const override;
    int AmpVer() const override;
    std::string SpecialSym() const override;
    bool SilentMode() const override { return IsChecked(SilentModeId); }
    bool RefreshOnTimer() const override { return IsChecked(RefreshOnTimerId); }
    int RefreshInterval() const override;
    bool OpenByShell() const override { return IsChecked(OpenByShellId); }
    bool ClosePads() const override { return IsChecked(ClosePadsId); }
    bool ClosePadsEnabled() const override { return IsEnabled(ClosePadsId); }
    bool Iamawriter() const override { return IsChecked(IamawriterId); }
    bool AutoSave() const override { return IsChecked(AutoSaveId); }
    bool AutoSaveEnabled() const override { return IsEnabled(AutoSaveId); }
    bool AutoTrim() const override { return IsChecked(AutoTrimId); }
    bool LengthIsWidth() const override { return IsChecked(LengthIsWidthId); }
    bool LengthIsWidthEnabled() const override { return IsEnabled(LengthIsWidthId); }
    bool UseAnTWidth() const override { return IsChecked(UseAnTWidthId); }
    bool UseAnTWidthEnabled() const override { return IsEnabled(UseAnTWidthId); }
    int MinMemoWidth() const override;
    int MaxMemoWidth() const override;
    bool ShowAnT() const override { return IsChecked(ShowAnTId); }
    int AnTFontSize() const override;
    bool ShowToolBar() const override { return IsChecked(ShowToolBarId); }
    bool ShowStatusBar() const override { return IsChecked(ShowStatusBarId); }
    bool StayOnTop() const override { return IsChecked(StayOnTopId); }
    bool ControlWinamp() const override { return IsChecked(ControlWinampId); }
    bool ShowHints() const override { return IsChecked(ShowHintsId); }
    int MemoFontSize() const override;
    std::string FontBox() const override;

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return window_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK ArrowBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR owner) noexcept;

    void CreatePages();
    void CreateControl(HWND page, const OptionControl& row, SIZE pageSize, bool startsGroup);
    void SpinChanged(OptionId id);
    void AddHint(HWND control, UINT hint);
    void OnCommand(UINT id, UINT code, HWND control);
    void RunClickHandler(OptionId id);
    void EnableControl(OptionId id, bool enabled);
    void EnterEditorMode();
    void LeaveEditorMode();
    void TakeFocusIfShown() const;

    HINSTANCE instance_;
    MainWindowLook& mainWindow_;
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    HWND hints_ = nullptr;
    std::vector<HWND> pages_;
    std::map<int, HWND> controls_;
    std::map<int, std::unique_ptr<SpinField>> spins_;
    std::unique_ptr<ColourGrid> anTColor_;
    UniqueGdiObject font_;
    int specialPosition_ = 0;
    int ampVerIndex_ = 0;
    bool fontListFilled_ = false;
    // The designed state is set up without running any handler.
    bool creating_ = true;
};
