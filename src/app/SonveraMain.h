#pragma once

#include "lookup/RefreshView.h"
#include "settings/MainWindowLook.h"
#include "app/MainWindowLayout.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

class AboutPanel;
class ArtistInfoPanel;
class SettingsSource;
class RefreshCycle;
class TApplication;

// The main window: the text of the playing song with the text and player
// commands above it, the artist-and-title line and the status line. Owned by
// the application window, so that it has no taskbar button of its own.
//
// Handlers carry the names the rest of the program knows them by; each takes
// the sender of its event. The click handlers are virtual so that tests can
// watch which of them a click reaches.
class TSonveraMain : public RefreshView, public MainWindowLook {
public:
    // Reads its settings from `settings` at the moment of each use; the
    // object must outlive the window or be replaced through UseSettings.
    TSonveraMain(TApplication& application, const SettingsSource& settings);
    virtual ~TSonveraMain();
    TSonveraMain(const TSonveraMain&) = delete;
    TSonveraMain& operator=(const TSonveraMain&) = delete;

    HWND Window() const override { return window_; }
    void UseSettings(const SettingsSource& settings) { settings_ = &settings; }
    const SettingsSource& Settings() const override { return *settings_; }

    // For the message loop: the menu's shortcuts, while this window is active
    // and has its menu bar.
    bool TranslateShortcut(MSG& message);

    // A click as the user would make it, with the rules of the window: a menu
    // item that is disabled ignores it, while a button's handler runs whether
    // the button is enabled, disabled or hidden.
    void PerformMenuClick(UINT item);
    void PerformButtonClick(UINT button);

    void FormCreate(HWND sender);
    // Runs the close handler set, then saves or drops the edited text and
    // closes the editor as the settings say. Returns false when the close
    // must stop: an edit that should have been saved was not.
    bool FormClose(HWND sender);
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }
    void FormResize(HWND sender) override;

    virtual void KillKillKillDieClick(HWND sender);
    void MenuRefreshClick(HWND sender) override;
    virtual void MenuClearClick(HWND sender);
    virtual void MenuNextClick(HWND sender);
    virtual void MenuSaveTextClick(HWND sender);
    virtual void MenuTrimClick(HWND sender);
    virtual void MenuNormClick(HWND sender);
    virtual void MenuWinampPlayClick(HWND sender);
    virtual void MenuWinampPauseClick(HWND sender);
    virtual void MenuWinampStopClick(HWND sender);
    virtual void MenuWinampPrevClick(HWND sender);
    virtual void MenuWinampNextClick(HWND sender);
    virtual void MenuWinampPrev5sClick(HWND sender);
    virtual void MenuWinampNext5sClick(HWND sender);
    virtual void MenuWinampOpenClick(HWND sender);
    virtual void MenuWinampAddClick(HWND sender);
    virtual void MenuWinampJumpClick(HWND sender);
    virtual void MenuOptionsClick(HWND sender);
    virtual void MenuArtistInfoClick(HWND sender);
    virtual void MenuSonveraInfoClick(HWND sender);

    virtual void ButtRefreshClick(HWND sender);
    void ButtTrimClick(HWND sender) override;
    virtual void ButtNormClick(HWND sender);
    virtual void ButtNextClick(HWND sender);
    virtual void ButtInfoClick(HWND sender);
    virtual void SaveTextClick(HWND sender);
    virtual void ButtOptionsClick(HWND sender);

    virtual void WinampPrevClick(HWND sender);
    virtual void WinampPlayClick(HWND sender);
    virtual void WinampNextClick(HWND sender);
    virtual void WinampPrev5sClick(HWND sender);
    virtual void WinampPauseClick(HWND sender);
    virtual void WinampNext5sClick(HWND sender);
    virtual void WinampStopClick(HWND sender);
    virtual void WinampOpenClick(HWND sender);
    virtual void WinampJumpClick(HWND sender);
    virtual void WinampAddClick(HWND sender);

    virtual void Timer1Timer(HWND sender);

    HMENU Menu1() const { return menu1_; }
    HWND ToolBar1() const { return toolBar1_; }
    HWND WinampCtrlPanel() const { return winampCtrlPanel_; }
    // A button of WinampCtrlPanel by its identifier; null for any other.
    HWND WinampButton(UINT button) const;
    HWND Panel1() const { return panel1_; }
    HWND AnT() const override { return anT_; }
    HWND Memo2() const override { return memo2_; }
    HWND StatusBar() const { return statusBar_; }
    // Made on first use.
    AboutPanel& AboutMe();
    ArtistInfoPanel& ArtistInfo() const { return *artistInfo_; }

    // Buttons of ToolBar1 and WinampCtrlPanel alike.
    bool IsButtonEnabled(UINT button) const;
    void EnableButton(UINT button, bool enabled);
    bool IsMenuItemEnabled(UINT item) const;
    void EnableMenuItem(UINT item, bool enabled);

    // The artist-and-title line; its hint repeats the caption.
    void SetAnTCaption(const std::string& caption) override;
    std::string AnTCaption() const;
    bool AnTCentred() const;

    void SetStatusText(const std::string& text) override;
    std::string StatusText() const override;
    // Shown over the status line whatever the window's hint setting says.
    void SetStatusHint(const std::string& hint) override;
    const std::string& StatusHint() const { return statusHint_; }

    // Pop-up hints of the toolbar, the player buttons and the label.
    void SetShowHint(bool shown) override;
    bool ShowHint() const override { return showHint_; }

    bool Timer1Enabled() const override { return timer1Enabled_; }
    // The period the timer runs with, in milliseconds; 0 while it is stopped.
    UINT Timer1Interval() const { return timer1Interval_; }
    void SetTimer1Running(bool running) override;
    void EnableNextCommands(bool enabled) override;
    void EnableSaveCommands(bool enabled) override;

    // What the options change; in SonveraMainLook.cpp.
    void ShowPart(Part part, bool shown) override;
    bool IsPartShown(Part part) const override;
    int PartExtent(Part part) const override;
    EditorModeLayout EditorModeMetrics() const override;
    void ShowTextView(bool shown) override;
    void SetToolWindowFrame(bool tool) override;
    void EnableTextCommands(bool enabled) override;
    void EnablePlaylistCommands(bool enabled) override;
    void SetMemoFontFace(const std::string& face) override;
    void SetMemoFontSize(int points) override;
    void SetMemoWordWrap(bool wrap) override;
    void SetLabelFontSize(int points) override;
    void SetLabelColours(COLORREF text, COLORREF panel) override;
    COLORREF LabelTextColour() const { return anTInk_; }
    COLORREF LabelPanelColour() const { return panel1Colour_; }

    // What "Настройки..." and the toolbar's options button run.
    void SetOptionsCommand(std::function<void()> command) { optionsCommand_ = std::move(command); }

    // The song text cycle: refresh, timer and next command.
    RefreshCycle& Refresh() const { return *refresh_; }

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return window_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(UINT id, UINT code, HWND control);
    void OnNotify(NMHDR& header);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDestroy();

    void CreateFonts();
    void CreateToolBar();
    void CreateWinampCtrlPanel();
    void CreateLabelPanel();
    void CreateMemo();
    void CreateStatusBar();
    void CreateHints();
    void Layout();
    void ApplyMemoFont();
    LRESULT LabelColours(HDC context) const;
    void ApplyStoredGeometry();
    POINT ClientPointOnScreen(int x, int y) const;
    bool IsToolBarButton(UINT button) const;

    TApplication& application_;
    const SettingsSource* settings_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    HMENU menu1_ = nullptr;
    HACCEL shortcuts_ = nullptr;

    UniqueGdiObject windowFont_;
    UniqueGdiObject anTFont_;
    UniqueGdiObject memoFont_;
    HIMAGELIST toolBarImages_ = nullptr;
    HIMAGELIST disabledToolBarImages_ = nullptr;

    HWND toolBar1_ = nullptr;
    HWND winampCtrlPanel_ = nullptr;
    HWND panel1_ = nullptr;
    HWND anT_ = nullptr;
    HWND memo2_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND hints_ = nullptr;
    HWND statusHints_ = nullptr;
    std::unique_ptr<AboutPanel> aboutMe_;
    std::unique_ptr<ArtistInfoPanel> artistInfo_;
    std::unique_ptr<RefreshCycle> refresh_;

    std::string toolBarHints_[7];
    std::wstring toolBarWideHints_[7];
    UniqueGdiObject playerGlyphs_[10];
    std::string statusHint_;
    std::string creationError_;
    bool showHint_ = true;
    bool timer1Enabled_ = false;
    UINT timer1Interval_ = 0;
    std::string memoFace_;
    int memoPoints_ = 0;
    int panel1Height_ = MainWindowLayout::Panel1Height;
    COLORREF anTInk_ = GetSysColor(COLOR_BTNTEXT);
    COLORREF panel1Colour_ = GetSysColor(COLOR_BTNFACE);
    UniqueGdiObject panel1Brush_{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};
    std::function<void()> optionsCommand_;
    std::function<void()> closeHandler_;
};
