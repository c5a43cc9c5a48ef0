#include "app/AboutPanel.h"

#include "app/PanelResources.h"
#include "app/ResourceLoading.h"
#include "win/FloatingPanel.h"
#include "win/Fonts.h"
#include "win/MessageBoxes.h"
#include "win/WindowProcedure.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr char ClassName[] = "SonveraAboutPanel";
constexpr SIZE ClientSize{344, 240};
constexpr SIZE PageSize{320, 240};

// The tab control reaches past the panel's corner so that its frame stays
// outside the visible area.
constexpr RECT TabsBounds{-4, -6, -4 + 348, -6 + 250};

constexpr int TabCaptions[] = {IDS_ABOUT_TAB_ME, IDS_ABOUT_TAB_SONVERA, IDS_ABOUT_TAB_VERSION, IDS_ABOUT_TAB_THANKS};

} // namespace

AboutPanel::AboutPanel(HWND mainWindow)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    CreateFloatingPanel(mainWindow, ClassName, WindowProcedure<AboutPanel>, LoadResourceString(instance, IDS_ABOUT_CAPTION),
                        ClientSize, this);
    if (!window_)
        throw std::runtime_error("Cannot create the about panel");
    CreateControls(instance);
    SelectTab(0);
}

AboutPanel::~AboutPanel()
{
    if (window_)
        DestroyWindow(window_);
}

void AboutPanel::CreateControls(HINSTANCE instance)
{
    tabFont_ = MakeFont("Arial Narrow", 13, FW_NORMAL);
    textFont_ = MakeFont("Courier New", 12, FW_NORMAL);

    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE,
                            TabsBounds.left, TabsBounds.top, TabsBounds.right - TabsBounds.left,
                            TabsBounds.bottom - TabsBounds.top, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_TABS)), instance, nullptr);
    if (!tabs_)
        throw std::runtime_error("Cannot create the about panel's tabs");
    // Visual styles draw side tabs as if they were on top; the classic look
    // draws them right.
    SetWindowTheme(tabs_, L" ", L" ");
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), FALSE);
    for (int index = 0; index < static_cast<int>(std::size(TabCaptions)); ++index) {
        std::string caption = LoadResourceString(instance, TabCaptions[index]);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }

    // The pages lie over the tab control's display area, in the panel itself,
    // so that their colour messages come here. That area may begin a little
    // above the panel; the pages must not lose their top rows to it.
    RECT display{};
    GetClientRect(tabs_, &display);
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    MapWindowPoints(tabs_, window_, reinterpret_cast<POINT*>(&display), 2);
    const POINT pageTopLeft{std::max(display.left, 0L), std::max(display.top, 0L)};

    picture_ = LoadJpegResource(instance, IDR_ABOUT_PICTURE);
    pages_[0] = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BITMAP, pageTopLeft.x, pageTopLeft.y, PageSize.cx,
                                PageSize.cy, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_PICTURE)), instance, nullptr);
    if (!pages_[0])
        throw std::runtime_error("Cannot create the about panel's picture");
    SendMessageA(pages_[0], STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));

    pages_[1] = CreateTextPage(instance, IDC_ABOUT_PROGRAM, IDR_ABOUT_PROGRAM, pageTopLeft);
    pages_[2] = CreateTextPage(instance, IDC_ABOUT_HISTORY, IDR_ABOUT_HISTORY, pageTopLeft);
    pages_[3] = CreateTextPage(instance, IDC_ABOUT_THANKS, IDR_ABOUT_THANKS, pageTopLeft);

    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND AboutPanel::CreateTextPage(HINSTANCE instance, int controlId, int textId, POINT topLeft)
{
    HWND page = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                topLeft.x, topLeft.y, PageSize.cx, PageSize.cy, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
    if (!page)
        throw std::runtime_error("Cannot create a page of the about panel");
    SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
    SetWindowTextA(page, LoadTextResource(instance, textId).c_str());
    return page;
}

void AboutPanel::Show(POINT screenTopLeft)
{
    SelectTab(0);
    if (!placed_) {
        SetWindowPos(window_, nullptr, screenTopLeft.x, screenTopLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    ShowWindow(window_, SW_SHOW);
}

bool AboutPanel::IsVisible() const
{
    return window_ && IsWindowVisible(window_);
}

int AboutPanel::ActiveTab() const
{
    return static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
}

void AboutPanel::SelectTab(int index)
{
    SendMessageA(tabs_, TCM_SETCURSEL, index, 0);
    ShowPageOf(index);
}

void AboutPanel::ShowPageOf(int tab)
{
    for (int index = 0; index < static_cast<int>(pages_.size()); ++index)
        ShowWindow(pages_[index], index == tab ? SW_SHOW : SW_HIDE);
}

LRESULT AboutPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETMINMAXINFO: {
        // Fixed size, sizing border or not.
        const SIZE frame = FloatingPanelFrameSize(ClientSize);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {frame.cx, frame.cy};
        limits->ptMaxTrackSize = {frame.cx, frame.cy};
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE)
            ShowPageOf(ActiveTab());
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        // Read-only texts ask here too: they sit on the button face.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

