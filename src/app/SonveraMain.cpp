#include "app/SonveraMain.h"

#include "app/AboutPanel.h"
#include "app/MainWindowLayout.h"
#include "app/ApplicationWindow.h"
#include "app/ResourceLoading.h"
#include "app/SonveraIds.h"
#include "sync/SyncIds.h"
#include "artist/ArtistInfoPanel.h"
#include "editing/TextSaving.h"
#include "player/PlayerLink.h"
#include "settings/Settings.h"
#include "win/DeviceContext.h"
#include "win/Fonts.h"
#include "win/MessageBoxes.h"
#include "win/Tooltips.h"
#include "win/WindowClass.h"
#include "win/WindowProcedure.h"
#include "win/WindowDpi.h"
#include "win/WindowText.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <exception>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace {

using namespace MainWindowLayout;

constexpr char ClassName[] = "TSonveraMain";

// Where the about panel lies in the client area until it first floats.
constexpr POINT AboutMeCorner{165, 101};
// Far beyond any song text, and beyond the rich edit's default of 32,767
// characters, after which the user could no longer type.
constexpr LPARAM Memo2TextLimit = 0x7FFFFFF0;

using Handler = void (TSonveraMain::*)(HWND);

struct CommandHandler {
    UINT id;
    Handler handler;
};

constexpr CommandHandler MenuHandlers[] = {
    {ID_KillKillKillDie, &TSonveraMain::KillKillKillDieClick},
    {ID_MenuRefresh, &TSonveraMain::MenuRefreshClick},
    {ID_MenuClear, &TSonveraMain::MenuClearClick},
    {ID_MenuNext, &TSonveraMain::MenuNextClick},
    {ID_MenuSaveText, &TSonveraMain::MenuSaveTextClick},
    {ID_MenuTrim, &TSonveraMain::MenuTrimClick},
    {ID_MenuNorm, &TSonveraMain::MenuNormClick},
    {ID_MenuFind, &TSonveraMain::MenuFindClick},
    {ID_MenuSyncEarlier, &TSonveraMain::MenuSyncEarlierClick},
    {ID_MenuSyncLater, &TSonveraMain::MenuSyncLaterClick},
    {ID_MenuSyncFollow, &TSonveraMain::MenuSyncFollowClick},
    {ID_MenuSyncTags, &TSonveraMain::MenuSyncTagsClick},
    {ID_MenuSyncTiming, &TSonveraMain::MenuSyncTimingClick},
    {ID_MenuSyncMark, &TSonveraMain::MenuSyncMarkClick},
    {ID_MenuWinampPlay, &TSonveraMain::MenuWinampPlayClick},
    {ID_MenuWinampPause, &TSonveraMain::MenuWinampPauseClick},
    {ID_MenuWinampStop, &TSonveraMain::MenuWinampStopClick},
    {ID_MenuWinampPrev, &TSonveraMain::MenuWinampPrevClick},
    {ID_MenuWinampNext, &TSonveraMain::MenuWinampNextClick},
    {ID_MenuWinampPrev5s, &TSonveraMain::MenuWinampPrev5sClick},
    {ID_MenuWinampNext5s, &TSonveraMain::MenuWinampNext5sClick},
    {ID_MenuWinampOpen, &TSonveraMain::MenuWinampOpenClick},
    {ID_MenuWinampAdd, &TSonveraMain::MenuWinampAddClick},
    {ID_MenuWinampJump, &TSonveraMain::MenuWinampJumpClick},
    {ID_MenuOptions, &TSonveraMain::MenuOptionsClick},
    {ID_MenuArtistInfo, &TSonveraMain::MenuArtistInfoClick},
    {ID_MenuSonveraInfo, &TSonveraMain::MenuSonveraInfoClick},
};

constexpr CommandHandler ButtonHandlers[] = {
    {ID_ButtRefresh, &TSonveraMain::ButtRefreshClick},
    {ID_ButtTrim, &TSonveraMain::ButtTrimClick},
    {ID_ButtNorm, &TSonveraMain::ButtNormClick},
    {ID_ButtNext, &TSonveraMain::ButtNextClick},
    {ID_ButtInfo, &TSonveraMain::ButtInfoClick},
    {ID_SaveText, &TSonveraMain::SaveTextClick},
    {ID_ButtOptions, &TSonveraMain::ButtOptionsClick},
    {ID_WinampPrev, &TSonveraMain::WinampPrevClick},
    {ID_WinampPlay, &TSonveraMain::WinampPlayClick},
    {ID_WinampNext, &TSonveraMain::WinampNextClick},
    {ID_WinampPrev5s, &TSonveraMain::WinampPrev5sClick},
    {ID_WinampPause, &TSonveraMain::WinampPauseClick},
    {ID_WinampNext5s, &TSonveraMain::WinampNext5sClick},
    {ID_WinampStop, &TSonveraMain::WinampStopClick},
    {ID_WinampOpen, &TSonveraMain::WinampOpenClick},
    {ID_WinampJump, &TSonveraMain::WinampJumpClick},
    {ID_WinampAdd, &TSonveraMain::WinampAddClick},
};

template <std::size_t Size>
Handler FindHandler(const CommandHandler (&table)[Size], UINT id)
{
    const auto found = std::find_if(std::begin(table), std::end(table), [id](const CommandHandler& entry) {
        return entry.id == id;
    });
    return found == std::end(table) ? nullptr : found->handler;
}

// A plain child container that passes its children's notifications on to the
// window named at its creation.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
        if (auto target = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA)))
            return SendMessageA(target, message, wParam, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TSonveraMain::TSonveraMain(TApplication& application, const SettingsSource& settings, const ::Settings& look)
    : application_(application), settings_(&settings), look_(&look), instance_(application.Instance()),
      refresh_(std::make_unique<RefreshCycle>(*this))
{
    // The rich edit's window class lives in its library, loaded once for good.
    static const HMODULE richEdit = LoadLibraryA("riched20.dll");
    (void)richEdit;

    WNDCLASSEXA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure<TSonveraMain>;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_Sonvera));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
    WNDCLASSEXA panelClass = {};
    panelClass.lpfnWndProc = PanelProc;
    panelClass.hInstance = instance_;
    panelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    panelClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    panelClass.lpszClassName = PanelClassName;
    RegisterWindowClass(panelClass);

    menuBar_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_Menu1));
    shortcuts_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_MenuShortcuts));
    CreateWindowExA(0, ClassName, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    DefaultWidth, DefaultHeight, application_.Window(), menuBar_, instance_, this);
    if (!window_) {
        DestroyMenu(menuBar_);
        throw std::runtime_error(creationError_.empty() ? "Cannot create the main window" : creationError_);
    }
    application_.SetMainWindow(window_);
    TakeLook(look);
    look_ = nullptr;
}

TSonveraMain::~TSonveraMain()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT TSonveraMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // Without its controls the window cannot stand: its creation fails.
        try {
            scale_ = MonitorScale(window_);
            KeepWindowScale(window_, scale_);
            CreateFonts();
            bars_.Create(instance_, window_, scale_);
            CreateLabelPanel();
            CreateMemo();
            CreateStatusBar();
        } catch (const std::exception& error) {
            creationError_ = error.what();
            return -1;
        }
        SetShowHint(look_->ShowHints());
        try {
            FormCreate(window_);
        } catch (const std::exception& error) {
            ReportError(window_, error);
        }
        return 0;
    case WM_SETCURSOR:
        // The hints are made once the mouse first comes over the window: they
        // take longer to make than anything else on the first screen.
        CreateHints();
        break;
    case WM_SIZE:
        Layout();
        FormResize(window_);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == label_)
            return LabelColours(reinterpret_cast<HDC>(wParam));
        break;
    case WM_DRAWITEM:
        bars_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case DpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam == Timer1Id)
            Timer1Timer(window_);
        else if (wParam == FollowTimerId)
            refresh_->FollowTimer();
        return 0;
    case WM_SYSCOMMAND:
        // The program minimises as a whole, through the application window.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            application_.Minimize();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        if (wParam) {
            application_.ShowTaskbarButton();
            refresh_->RestartFollowing();
        }
        // The floating panels go and come back with the program.
        if (lParam == SW_PARENTCLOSING)
            ShowOwnedPopups(window_, FALSE);
        else if (lParam == SW_PARENTOPENING)
            ShowOwnedPopups(window_, TRUE);
        break;
    case WM_CLOSE:
        if (!FormClose(window_))
            return 0;
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void TSonveraMain::OnCommand(UINT id, UINT code, HWND control)
{
    if (FindHandler(ButtonHandlers, id)) {
        if (code != BN_CLICKED)
            return;
        PerformButtonClick(id);
        // The player buttons are flat buttons that should leave the focus where it was.
        if (control && GetFocus() == control && HasVisibleStyle(textArea_.Window()))
            SetFocus(textArea_.Window());
        return;
    }
    // A shortcut arriving while the menu bar is off the window belongs to no item.
    const bool fromShortcut = code == 1 && !control;
    if (fromShortcut && !GetMenu(window_))
        return;
    PerformMenuClick(id);
}

LRESULT TSonveraMain::OnNotify(NMHDR& header)
{
    if (header.code == EN_MSGFILTER)
        return OnTextAreaInput(reinterpret_cast<const MSGFILTER&>(header));
    bars_.AnswerHintRequest(header);
    return 0;
}

void TSonveraMain::SetTimer1Running(bool running)
{
    refreshTimerRunning_ = running;
    refreshTimerPeriod_ = running ? static_cast<UINT>(std::clamp(settings_->RefreshInterval(), 1, 99)) * 1000 : 0;
    if (running)
        SetTimer(window_, Timer1Id, refreshTimerPeriod_, nullptr);
    else
        KillTimer(window_, Timer1Id);
}

void TSonveraMain::EnableNextCommands(bool enabled)
{
    EnableMenuItem(ID_MenuNext, enabled);
    EnableButton(ID_ButtNext, enabled);
}

void TSonveraMain::EnableSaveCommands(bool enabled)
{
    EnableMenuItem(ID_MenuSaveText, enabled);
    EnableButton(ID_SaveText, enabled);
}

void TSonveraMain::OnDestroy()
{
    if (refreshTimerRunning_)
        KillTimer(window_, Timer1Id);
    aboutPanel_.reset();
    artistInfo_.reset();
    // A menu bar taken off the window is not destroyed with it.
    if (GetMenu(window_) != menuBar_)
        DestroyMenu(menuBar_);
    menuBar_ = nullptr;
    application_.MainWindowDestroyed(window_);
}

void TSonveraMain::CreateLabelPanel()
{
    labelPanel_ = CreateWindowExA(WS_EX_STATICEDGE, PanelClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                  0, 0, 0, window_, nullptr, instance_, window_);
    // A Unicode window, as the status line: they show names of any characters.
    label_ = CreateWindowExW(0, L"STATIC", L"Artist and title",
                           WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY, 0, 0, 0, 0,
                           labelPanel_, nullptr, instance_, nullptr);
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
}

void TSonveraMain::CreateMemo()
{
    textArea_.Attach(CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit20A", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                 ES_WANTRETURN,
                             0, 0, 0, 0, window_, nullptr, instance_, nullptr));
    if (!textArea_.Window())
        throw std::runtime_error("Cannot create the text area");
    // Only an empty control takes a new mode; UTF-8 and UTF-16 texts need Unicode.
    SendMessageA(textArea_.Window(), EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    SendMessageA(textArea_.Window(), EM_EXLIMITTEXT, 0, Memo2TextLimit);
    SendMessageA(textArea_.Window(), EM_SETEVENTMASK, 0, ENM_KEYEVENTS | ENM_MOUSEEVENTS);
    SendMessageA(textArea_.Window(), WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
}

void TSonveraMain::CreateStatusBar()
{
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                 WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                     CCS_NODIVIDER,
                                 0, 0, 0, 0, window_, nullptr, instance_, nullptr);
    SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SendMessageA(statusBar_, SB_SIMPLE, TRUE, 0);
}

void TSonveraMain::CreateHints()
{
    if (hints_)
        return;
    // Like the window's own hints, the toolbar's stay above it, also when it stays on top.
    SetWindowPos(reinterpret_cast<HWND>(SendMessageA(ToolBar1(), TB_GETTOOLTIPS, 0, 0)), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    hints_ = CreateTooltip(window_);
    bars_.AddPlayerHints(hints_, instance_);
    AddTool(hints_, labelPanel_, label_, "");
    // The status line's own hint, the full path of the shown file, is not
    // subject to the window's hint setting.
    statusHints_ = CreateTooltip(window_);
    AddTool(statusHints_, window_, statusBar_, "");
    SetToolText(hints_, labelPanel_, label_, UnicodeWindowText(label_));
    SetToolText(statusHints_, window_, statusBar_, statusHint_);
    SetShowHint(showHint_);
}

void TSonveraMain::Layout()
{
    RECT client = {};
    GetClientRect(window_, &client);
    const int width = client.right;
    int top = 0;
    int bottom = client.bottom;
    if (HasVisibleStyle(ToolBar1())) {
        MoveWindow(ToolBar1(), 0, top, width, Scaled(ToolBarHeight), TRUE);
        top += Scaled(ToolBarHeight);
    }
    if (HasVisibleStyle(labelPanel_)) {
        MoveWindow(labelPanel_, 0, top, width, labelPanelHeight_, TRUE);
        RECT inside = {};
        GetClientRect(labelPanel_, &inside);
        MoveWindow(label_, 0, 0, inside.right, inside.bottom, TRUE);
        top += labelPanelHeight_;
    }
    if (HasVisibleStyle(statusBar_)) {
        bottom = std::max(top, bottom - Scaled(StatusBarHeight));
        MoveWindow(statusBar_, 0, bottom, width, Scaled(StatusBarHeight), TRUE);
    }
    if (HasVisibleStyle(textArea_.Window()))
        MoveWindow(textArea_.Window(), 0, top, width, bottom - top, TRUE);
}

void TSonveraMain::FormCreate(HWND)
{
    Session().Candidates.clear();
    Layout();
    SetWindowTextA(window_, LoadResourceString(instance_, IDS_MainTitle).c_str());
}

bool TSonveraMain::FormClose(HWND)
{
    if (closeHandler_)
        closeHandler_();
    if (!FinishEditingAtClose(*this))
        return false;
    Session().Candidates.clear();
    return true;
}

void TSonveraMain::FormResize(HWND)
{
    const std::wstring measured = UnicodeWindowText(label_) + L"  ";
    SIZE extent = {};
    {
        const WindowDc context(label_);
        const SelectedObject font(context.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label_, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(context.get(), measured.data(), static_cast<int>(measured.size()), &extent);
    }

    RECT bounds = {};
    GetWindowRect(window_, &bounds);
    const LONG_PTR alignment = extent.cx < bounds.right - bounds.left ? SS_CENTER : SS_LEFTNOWORDWRAP;
    const LONG_PTR style = GetWindowLongPtrA(label_, GWL_STYLE);
    if ((style & SS_TYPEMASK) != alignment) {
        SetWindowLongPtrA(label_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | alignment);
        InvalidateRect(label_, nullptr, TRUE);
    }
}

bool TSonveraMain::TranslateShortcut(MSG& message)
{
    if (!window_ || !GetMenu(window_) || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    return TranslateAcceleratorW(window_, shortcuts_, &message) != 0;
}

void TSonveraMain::PerformMenuClick(UINT item)
{
    const Handler handler = FindHandler(MenuHandlers, item);
    if (handler && IsMenuItemEnabled(item))
        (this->*handler)(window_);
}

void TSonveraMain::PerformButtonClick(UINT button)
{
    if (const Handler handler = FindHandler(ButtonHandlers, button)) {
        HWND sender = bars_.IsToolBarButton(button) ? ToolBar1() : WinampButton(button);
        (this->*handler)(sender);
    }
}

bool TSonveraMain::IsMenuItemEnabled(UINT item) const
{
    const UINT state = GetMenuState(menuBar_, item, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void TSonveraMain::EnableMenuItem(UINT item, bool enabled)
{
    ::EnableMenuItem(menuBar_, item, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TSonveraMain::SetAnTCaption(const std::wstring& caption)
{
    SetWindowTextW(label_, caption.c_str());
    SetToolText(hints_, labelPanel_, label_, caption);
}

std::wstring TSonveraMain::AnTCaption() const
{
    return UnicodeWindowText(label_);
}

bool TSonveraMain::AnTCentred() const
{
    return (GetWindowLongPtrA(label_, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
}

void TSonveraMain::SetStatusText(const std::wstring& text)
{
    SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring TSonveraMain::StatusText() const
{
    // The simple panel is read as part 0, though written as SB_SIMPLEID.
    const auto length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(statusBar_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

void TSonveraMain::SetStatusHint(const std::wstring& hint)
{
    statusHint_ = hint;
    SetToolText(statusHints_, window_, statusBar_, statusHint_);
}

void TSonveraMain::SetShowHint(bool shown)
{
    showHint_ = shown;
    SendMessageA(hints_, TTM_ACTIVATE, shown ? TRUE : FALSE, 0);
    if (HWND toolBarHints = reinterpret_cast<HWND>(SendMessageA(ToolBar1(), TB_GETTOOLTIPS, 0, 0)))
        SendMessageA(toolBarHints, TTM_ACTIVATE, shown ? TRUE : FALSE, 0);
}

POINT TSonveraMain::ClientPointOnScreen(int x, int y) const
{
    POINT point{x, y};
    ClientToScreen(window_, &point);
    return point;
}

void TSonveraMain::KillKillKillDieClick(HWND)
{
    SendMessageA(window_, WM_CLOSE, 0, 0);
}

void TSonveraMain::MenuRefreshClick(HWND)
{
    refresh_->MenuRefreshClick();
}

void TSonveraMain::MenuClearClick(HWND)
{
    // The modified flag stays as it was.
    SetWindowTextA(textArea_.Window(), "");
}

void TSonveraMain::MenuNextClick(HWND)
{
    refresh_->MenuNextClick();
}

void TSonveraMain::MenuSaveTextClick(HWND)
{
    PerformButtonClick(ID_SaveText);
}

void TSonveraMain::MenuTrimClick(HWND)
{
    if (!Refresh().Follower().Tidy(false))
        textArea_.Trim();
}

void TSonveraMain::MenuNormClick(HWND)
{
    if (!Refresh().Follower().Tidy(true))
        textArea_.Normalise();
}

void TSonveraMain::MenuWinampPlayClick(HWND)
{
    PerformButtonClick(ID_WinampPlay);
}

void TSonveraMain::MenuWinampPauseClick(HWND)
{
    PerformButtonClick(ID_WinampPause);
}

void TSonveraMain::MenuWinampStopClick(HWND)
{
    PerformButtonClick(ID_WinampStop);
}

void TSonveraMain::MenuWinampPrevClick(HWND)
{
    PerformButtonClick(ID_WinampPrev);
}

void TSonveraMain::MenuWinampNextClick(HWND)
{
    PerformButtonClick(ID_WinampNext);
}

void TSonveraMain::MenuWinampPrev5sClick(HWND)
{
    PerformButtonClick(ID_WinampPrev5s);
}

void TSonveraMain::MenuWinampNext5sClick(HWND)
{
    PerformButtonClick(ID_WinampNext5s);
}

void TSonveraMain::MenuWinampOpenClick(HWND)
{
    PerformButtonClick(ID_WinampOpen);
}

void TSonveraMain::MenuWinampAddClick(HWND)
{
    PerformButtonClick(ID_WinampAdd);
}

void TSonveraMain::MenuWinampJumpClick(HWND)
{
    PerformButtonClick(ID_WinampJump);
}

void TSonveraMain::MenuOptionsClick(HWND)
{
    if (optionsCommand_)
        optionsCommand_();
}

void TSonveraMain::MenuArtistInfoClick(HWND)
{
    ArtistInfo().ShowReloaded(textArea_.Window());
}

ArtistInfoPanel& TSonveraMain::ArtistInfo()
{
    if (!artistInfo_)
        artistInfo_ = std::make_unique<ArtistInfoPanel>(
            window_, [this] { return ArtistInfoFileOf(settings_->TextsPath(), Session().Song.SongArtist); });
    return *artistInfo_;
}

AboutPanel& TSonveraMain::AboutMe()
{
    // Its picture takes longer to make than the rest of the window: made when first wanted.
    if (!aboutPanel_)
        aboutPanel_ = std::make_unique<AboutPanel>(window_);
    return *aboutPanel_;
}

void TSonveraMain::MenuSonveraInfoClick(HWND)
{
    AboutMe().Show(ClientPointOnScreen(Scaled(AboutMeCorner.x), Scaled(AboutMeCorner.y)));
}

void TSonveraMain::ButtRefreshClick(HWND)
{
    PerformMenuClick(ID_MenuRefresh);
}

void TSonveraMain::ButtTrimClick(HWND)
{
    PerformMenuClick(ID_MenuTrim);
}

void TSonveraMain::ButtNormClick(HWND)
{
    PerformMenuClick(ID_MenuNorm);
}

void TSonveraMain::ButtNextClick(HWND)
{
    PerformMenuClick(ID_MenuNext);
}

void TSonveraMain::ButtInfoClick(HWND sender)
{
    // Directly, so that it works without the menu bar too.
    MenuArtistInfoClick(sender);
}

void TSonveraMain::SaveTextClick(HWND)
{
    ::SaveTextClick(*this);
}

void TSonveraMain::ButtOptionsClick(HWND)
{
    PerformMenuClick(ID_MenuOptions);
}

void TSonveraMain::WinampPrevClick(HWND)
{
    ::WinampPrevClick(*settings_);
}

void TSonveraMain::WinampPlayClick(HWND)
{
    ::WinampPlayClick(*settings_);
}

void TSonveraMain::WinampNextClick(HWND)
{
    ::WinampNextClick(*settings_);
}

void TSonveraMain::WinampPrev5sClick(HWND)
{
    ::WinampPrev5sClick(*settings_);
}

void TSonveraMain::WinampPauseClick(HWND)
{
    ::WinampPauseClick(*settings_);
}

void TSonveraMain::WinampNext5sClick(HWND)
{
    ::WinampNext5sClick(*settings_);
}

void TSonveraMain::WinampStopClick(HWND)
{
    ::WinampStopClick(*settings_);
}

void TSonveraMain::WinampOpenClick(HWND)
{
    ::WinampOpenClick(*settings_);
}

void TSonveraMain::WinampJumpClick(HWND)
{
    ::WinampJumpClick(*settings_);
}

void TSonveraMain::WinampAddClick(HWND)
{
    ::WinampAddClick(*settings_);
}

void TSonveraMain::Timer1Timer(HWND)
{
    refresh_->Timer1Timer();
}
