#include "app/AboutPanel.h"

#include "app/PanelResources.h"
#include "app/ResourceLoading.h"
#include "win/FloatingPanel.h"
#include "win/Fonts.h"
#include "win/MessageBoxes.h"
#include "win/WindowDpi.h"
#include "win/WindowProcedure.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr char ClassName[] = "SonveraAboutPanel";
constexpr SIZE ClientSize{344, 240};
constexpr SIZE PageSize{320, 240};

// The tab control reaches past the panel's corner so that its frame stays
// outside the visible area.
constexpr RECT TabsBounds{-4, -6, -4 + 348, -6 + 250};
// Character heights of the design at 96 DPI.
constexpr int TabFontHeight = 13;
constexpr int TextFontHeight = 12;

constexpr int TabCaptions[] = {IDS_ABOUT_TAB_ME, IDS_ABOUT_TAB_SONVERA, IDS_ABOUT_TAB_VERSION, IDS_ABOUT_TAB_THANKS};

} // namespace

AboutPanel::AboutPanel(HWND mainWindow)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    CreateFloatingPanel(mainWindow, ClassName, WindowProcedure<AboutPanel>, LoadResourceString(instance, IDS_ABOUT_CAPTION),
                        ClientSize, this);
    if (!window_)
        throw std::runtime_error("Cannot create the about panel");
    scale_ = WindowScale(window_);
    CreateControls(instance);
    PlaceControls();
    SelectTab(0);
}

AboutPanel::~AboutPanel()
{
    if (window_)
        DestroyWindow(window_);
}

void AboutPanel::CreateControls(HINSTANCE instance)
{
    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, 0, 0,
                            0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_TABS)), instance,
                            nullptr);
    if (!tabs_)
        throw std::runtime_error("Cannot create the about panel's tabs");
    // Visual styles draw side tabs as if they were on top; the classic look
    // draws them right.
    SetWindowTheme(tabs_, L" ", L" ");
    for (int index = 0; index < static_cast<int>(std::size(TabCaptions)); ++index) {
        std::string caption = LoadResourceString(instance, TabCaptions[index]);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }

    decodedPicture_ = LoadJpegResource(instance, IDR_ABOUT_PICTURE);
    pages_[0] = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BITMAP, 0, 0, 0, 0, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_PICTURE)), instance, nullptr);
    if (!pages_[0])
        throw std::runtime_error("Cannot create the about panel's picture");

    pages_[1] = CreateTextPage(instance, IDC_ABOUT_PROGRAM, IDR_ABOUT_PROGRAM);
    pages_[2] = CreateTextPage(instance, IDC_ABOUT_HISTORY, IDR_ABOUT_HISTORY);
    pages_[3] = CreateTextPage(instance, IDC_ABOUT_THANKS, IDR_ABOUT_THANKS);

    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND AboutPanel::CreateTextPage(HINSTANCE instance, int controlId, int textId)
{
    HWND page = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                instance, nullptr);
    if (!page)
        throw std::runtime_error("Cannot create a page of the about panel");
    SetWindowTextA(page, LoadTextResource(instance, textId).c_str());
    return page;
}

void AboutPanel::PlaceControls()
{
    // The fonts go once nothing uses them.
    const UniqueGdiObject oldTabFont =
        std::exchange(tabFont_, MakeFont("Arial Narrow", scale_.Pixels(TabFontHeight), FW_NORMAL));
    const UniqueGdiObject oldTextFont =
        std::exchange(textFont_, MakeFont("Courier New", scale_.Pixels(TextFontHeight), FW_NORMAL));
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), TRUE);
    const RECT tabs = ScaledRect(TabsBounds, scale_);
    MoveWindow(tabs_, tabs.left, tabs.top, tabs.right - tabs.left, tabs.bottom - tabs.top, TRUE);

    // The pages lie over the tab control's display area, in the panel itself,
    // so that their colour messages come here. That area may begin a little
    // above the panel; the pages must not lose their top rows to it.
    RECT display{};
    GetClientRect(tabs_, &display);
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    MapWindowPoints(tabs_, window_, reinterpret_cast<POINT*>(&display), 2);
    const POINT topLeft{std::max(display.left, 0L), std::max(display.top, 0L)};
    const SIZE pageSize{scale_.Pixels(PageSize.cx), scale_.Pixels(PageSize.cy)};
    for (HWND page : pages_) {
        MoveWindow(page, topLeft.x, topLeft.y, pageSize.cx, pageSize.cy, TRUE);
        if (page != pages_[0])
            SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), TRUE);
    }
    // The picture is drawn smoothly at the page's size, not stretched by the control.
    UniqueGdiObject picture = SmoothlyScaledBitmap(static_cast<HBITMAP>(decodedPicture_.get()), pageSize);
    SendMessageA(pages_[0], STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
    picture_ = std::move(picture);
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
        const SIZE frame = FloatingPanelFrameSize(ClientSize, scale_);
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
    case DpiChangedMessage: {
        scale_ = DisplayScale(HIWORD(wParam));
        KeepWindowScale(window_, scale_);
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        PlaceControls();
        return 0;
    }
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

