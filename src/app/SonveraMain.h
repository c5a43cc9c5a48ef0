#pragma once

#include "lookup/RefreshView.h"
#include "settings/MainWindowLook.h"
#include "settings/Settings.h"
#include "app/MainWindowBars.h"
#include "app/MainWindowLayout.h"
#include "app/RichTextArea.h"
#include "find/FindWindow.h"
#include "lookup/RefreshCycle.h"
#include "win/DisplayScale.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <memory>
#include <string>

class AboutPanel;
class ArtistInfoPanel;
class TApplication;

// The main window: the text of the playing song with the text and player
// commands above it, the artist-and-title line and the status line. Owned by
// the application window, so that it has no taskbar button of its own.
//
// Handlers carry the names the rest of the program knows them by; each takes
// the sender of its event. The click handlers are virtual so that tests can
// watch which of them a click reaches.
//
// The parts keep their long-known names where others use them, and role names
// inside: Memo2 is the text area (textArea_), AnT the artist-and-title label
// (label_) on Panel1 (labelPanel_), ToolBar1 the toolbar (toolBar_),
// WinampCtrlPanel the player's buttons (playerPanel_), Menu1 the menu bar
// (menuBar_), Timer1 the refresh timer (refreshTimer...), AboutMe the about
// panel (aboutPanel_).
class TSonveraMain : public RefreshView, public MainWindowLook {
public:
    // Made hidden, already as `look` has it: fonts, colours, bars, mode,
    // size and place. Reads its settings from `settings` at the moment of
    // each use; the object must outlive the window.
    TSonveraMain(TApplication& application, const SettingsSource& settings, const ::Settings& look);
    TSonveraMain(TApplication& application, const ::Settings& settings) : TSonveraMain(application, settings, settings) {}
    virtual ~TSonveraMain();
    TSonveraMain(const TSonveraMain&) = delete;
    TSonveraMain& operator=(const TSonveraMain&) = delete;

    HWND Window() const override { return window_; }
    const SettingsSource& Settings() const override { return *settings_; }
    // The window's place, and in text-view mode its size, for storing.
    void KeepGeometry(WindowGeometry& geometry, bool editorMode) const;

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
    virtual void MenuRefreshClick(HWND sender);
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
    virtual void ButtTrimClick(HWND sender);
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

    // A timed text's commands; in SonveraMainSync.cpp.
    void MenuSyncEarlierClick(HWND sender);
    void MenuSyncLaterClick(HWND sender);
    void MenuSyncFollowClick(HWND sender);
    void MenuSyncTagsClick(HWND sender);
    void MenuSyncTimingClick(HWND sender);
    void MenuSyncMarkClick(HWND sender);
    void SetFollowPeriod(unsigned periodMs) override;

    // "Найти текст..." and what it needs; in SonveraMainFind.cpp. The find
    // window is made when first opened: null before.
    void MenuFindClick(HWND sender);
    TFind* Find() const { return find_.get(); }
    // For the message loop, before the shortcuts: the find window's keys.
    bool TakeFindMessage(MSG& message);
    void TextWritten(const std::wstring& file) override;

    HMENU Menu1() const { return menuBar_; }
    HWND ToolBar1() const { return bars_.ToolBar(); }
    HWND WinampCtrlPanel() const { return bars_.PlayerPanel(); }
    // A button of WinampCtrlPanel by its identifier; null for any other.
    HWND WinampButton(UINT button) const { return bars_.PlayerButton(button); }
    HWND Panel1() const { return labelPanel_; }
    HWND AnT() const override { return label_; }
    HWND Memo2() const { return textArea_.Window(); }
    TextArea& Text() override { return textArea_; }
    SongSession& Session() override { return refresh_->Session(); }
    HWND StatusBar() const { return statusBar_; }
    // Made on first use.
    AboutPanel& AboutMe();
    ArtistInfoPanel& ArtistInfo();

    // Buttons of ToolBar1 and WinampCtrlPanel alike.
    bool IsButtonEnabled(UINT button) const { return bars_.IsButtonEnabled(button); }
    void EnableButton(UINT button, bool enabled) { bars_.EnableButton(button, enabled); }
    bool IsMenuItemEnabled(UINT item) const;
    void EnableMenuItem(UINT item, bool enabled);

    // The artist-and-title line; its hint repeats the caption.
    void SetAnTCaption(const std::wstring& caption) override;
    std::wstring AnTCaption() const;
    bool AnTCentred() const;

    void SetStatusText(const std::wstring& text) override;
    std::wstring StatusText() const override;
    // Shown over the status line whatever the window's hint setting says.
    void SetStatusHint(const std::wstring& hint) override;
    const std::wstring& StatusHint() const { return statusHint_; }

    // Pop-up hints of the toolbar, the player buttons and the label.
    void SetShowHint(bool shown) override;
    bool ShowHint() const override { return showHint_; }

    bool Timer1Enabled() const override { return refreshTimerRunning_; }
    // The period the timer runs with, in milliseconds; 0 while it is stopped.
    UINT Timer1Interval() const { return refreshTimerPeriod_; }
    void SetTimer1Running(bool running) override;
    void EnableNextCommands(bool enabled) override;
    void EnableSaveCommands(bool enabled) override;

    // What the options change; in SonveraMainLook.cpp.
    void ShowPart(Part part, bool shown) override;
    bool IsPartShown(Part part) const override;
    int PartExtent(Part part) const override;
    EditorModeLayout EditorModeMetrics() const override;
    ClientSize WindowSize() const override;
    ClientSize ClientArea() const override;
    void SetWindowSize(ClientSize size) override;
    void SetStayOnTop(bool onTop) override;
    void ShowTextView(bool shown) override;
    void SetToolWindowFrame(bool tool) override;
    void EnableTextCommands(bool enabled) override;
    void EnablePlaylistCommands(bool enabled) override;
    void SetMemoFontFace(const std::string& face) override;
    void SetMemoFontSize(int points) override;
    void SetMemoWordWrap(bool wrap) override;
    void SetLabelFontSize(int points) override;
    void SetLabelColours(TableColour text, TableColour panel) override;
    DisplayScale Scale() const override { return scale_; }
    COLORREF LabelTextColour() const { return labelInk_; }
    COLORREF LabelPanelColour() const { return labelPanelColour_; }

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
    LRESULT OnNotify(NMHDR& header);
    // True when the text area is to ignore the message.
    bool OnTextAreaInput(const MSGFILTER& filter);
    void OnDestroy();

    // In SonveraMainScale.cpp: the fonts at the window's scale, and a new
    // scale taken with the rectangle the system suggests for it.
    void CreateFonts();
    void OnDpiChanged(int dpi, const RECT& suggested);
    int Scaled(int designUnits) const { return scale_.Pixels(designUnits); }

    void CreateLabelPanel();
    void CreateMemo();
    void CreateStatusBar();
    void CreateHints();
    void Layout();
    void ApplyMemoFont();
    LRESULT LabelColours(HDC context) const;
    // In SonveraMainLook.cpp.
    void TakeLook(const ::Settings& look);
    // The label's panel as high as its font needs; lays the window out again.
    void FitLabelPanel();
    POINT ClientPointOnScreen(int x, int y) const;

    TApplication& application_;
    const SettingsSource* settings_;
    // What the window is made as; only while it is made.
    const ::Settings* look_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL shortcuts_ = nullptr;

    DisplayScale scale_;
    UniqueGdiObject windowFont_;
    UniqueGdiObject labelFont_;
    UniqueGdiObject textFont_;

    MainWindowBars bars_;
    HWND labelPanel_ = nullptr;
    HWND label_ = nullptr;
    RichTextArea textArea_;
    HWND statusBar_ = nullptr;
    HWND hints_ = nullptr;
    HWND statusHints_ = nullptr;
    std::unique_ptr<AboutPanel> aboutPanel_;
    std::unique_ptr<ArtistInfoPanel> artistInfo_;
    std::unique_ptr<RefreshCycle> refresh_;
    std::unique_ptr<TFind> find_;

    std::wstring statusHint_;
    std::string creationError_;
    bool showHint_ = true;
    bool refreshTimerRunning_ = false;
    UINT refreshTimerPeriod_ = 0;
    std::string textFace_;
    int textPoints_ = 0;
    int labelPoints_ = 0;
    int labelPanelHeight_ = MainWindowLayout::Panel1Height;
    COLORREF labelInk_ = GetSysColor(COLOR_BTNTEXT);
    COLORREF labelPanelColour_ = GetSysColor(COLOR_BTNFACE);
    UniqueGdiObject labelPanelBrush_{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};
    std::function<void()> optionsCommand_;
    std::function<void()> closeHandler_;
};
