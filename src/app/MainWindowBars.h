#pragma once

#include "win/DisplayScale.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

// The main window's toolbar (ToolBar1) with the player's flat buttons
// (WinampCtrlPanel) on it, drawn at the window's scale: its buttons, icons and
// gaps are sizes of the design, scaled, and a new scale remakes the icons
// without losing a button's state.
class MainWindowBars {
public:
    MainWindowBars() = default;
    ~MainWindowBars();
    MainWindowBars(const MainWindowBars&) = delete;
    MainWindowBars& operator=(const MainWindowBars&) = delete;

    // Makes both as children of `window`, which receives the player panel's
    // notifications and drawing requests.
    void Create(HINSTANCE instance, HWND window, DisplayScale scale);
    void Rescale(DisplayScale scale);

    HWND ToolBar() const { return toolBar_; }
    HWND PlayerPanel() const { return playerPanel_; }
    bool IsToolBarButton(UINT button) const;
    // A player button by its identifier; null for any other.
    HWND PlayerButton(UINT button) const;
    bool IsButtonEnabled(UINT button) const;
    void EnableButton(UINT button, bool enabled);

    // The toolbar's hints, asked for by its tooltip; true when answered.
    bool AnswerHintRequest(NMHDR& header);
    void AddPlayerHints(HWND tooltip, HINSTANCE instance) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    // What the external-editor mode's size is made of.
    int ToolBarControls() const;
    int ButtonWidth() const;
    int BorderWidth() const;
    int PlayerPanelWidth() const;
    int SplitterWidth() const;

private:
    void PlaceButtons();
    void PlacePlayerPanel();
    void MakeImages();

    DisplayScale scale_;
    HWND toolBar_ = nullptr;
    HWND playerPanel_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HIMAGELIST disabledImages_ = nullptr;
    std::string hints_[7];
    std::wstring wideHints_[7];
    UniqueGdiObject playerGlyphs_[10];
};
