#pragma once

#include "settings/FolderBrowser.h"
#include "settings/OptionControls.h"
#include "win/DisplayScale.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ColourGrid;
class MainWindowLook;
class Settings;
class SpinField;

// The options window: a view of the settings value. Made when first opened,
// it shows the value in its controls (which runs nothing); a user's change of
// a control goes into the value, and the option's rule applies it to the main
// window. Closing the window only hides it. Its controls are laid out from
// their rows at the window's scale, and again when the scale changes.
class TOptions {
public:
    // Created hidden, centred on the screen, owned by `owner`.
    TOptions(HINSTANCE instance, HWND owner, Settings& settings, MainWindowLook& mainWindow);
    ~TOptions();
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    HWND Window() const { return window_; }
    // The main window's options command: the value shown again, the first
    // tab, shown without being modal.
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

    // Puts the whole value into the controls, with their enabled states; no
    // rule runs.
    void ShowSettings();

    // The folder browser, replaceable for tests.
    std::function<std::optional<std::wstring>(HWND owner, const std::wstring& title)> browseForFolder = BrowseForFolder;

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
    void PlacePages();
    // Where a row's control lies on its page at the window's scale; `caption`
    // measures a label that fits its text.
    RECT ControlBounds(const OptionControl& row, const std::string& caption) const;
    RECT RadioBounds(const OptionControl& group, int button) const;
    // The caption a row's control shows: a label's run of spaces as wide as
    // the field made `before` it, which sits there, needs.
    std::string ShownCaption(const OptionControl& row, const std::string& caption, HWND before) const;
    void CreateControl(HWND page, const OptionControl& row, bool startsGroup);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void AddHint(HWND control, UINT hint);
    void OnCommand(UINT id, UINT code, HWND control);
    // Takes a user's change of a control into the value and applies it.
    void ControlChanged(OptionId id);
    void ShowControl(const OptionControl& row);
    void BrowsePathClick();
    void StepSpecialSymbol(bool forward);
    void FillFontList();
    std::string SelectedFont() const;
    void TakeFocusIfShown() const;

    struct PlacedControl {
        const OptionControl* row;
        HWND window;
        std::string caption;
    };

    HINSTANCE instance_;
    Settings& settings_;
    MainWindowLook& mainWindow_;
    DisplayScale scale_;
    SIZE pageSize_{};
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    HWND hints_ = nullptr;
    std::vector<HWND> pages_;
    std::map<int, HWND> controls_;
    // Every control made from a row, also those no option names.
    std::vector<PlacedControl> placed_;
    std::map<int, std::unique_ptr<SpinField>> spins_;
    std::unique_ptr<ColourGrid> anTColor_;
    UniqueGdiObject font_;
    bool fontListFilled_ = false;
    // Showing the value in the controls is no user's change.
    bool showing_ = true;
};
