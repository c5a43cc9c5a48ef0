#include "app/MainWindowBars.h"

#include "app/MainWindowLayout.h"
#include "app/SonveraIds.h"
#include "app/ToolbarIcons.h"
#include "win/DeviceContext.h"
#include "win/ResourceString.h"
#include "win/Tooltips.h"
#include "win/WindowDpi.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace {

using namespace MainWindowLayout;

struct ToolBarButton {
    UINT id;
    ToolbarIcon icon;
    UINT hint;
    bool enabled;
};

constexpr ToolBarButton ToolBarButtons[] = {
    {ID_ButtRefresh, ToolbarIcon::Refresh, IDS_ButtRefreshHint, true},
    {ID_ButtTrim, ToolbarIcon::Trim, IDS_ButtTrimHint, true},
    {ID_ButtNorm, ToolbarIcon::Norm, IDS_ButtNormHint, true},
    {ID_ButtNext, ToolbarIcon::Next, IDS_ButtNextHint, false},
    {ID_ButtInfo, ToolbarIcon::Info, IDS_ButtInfoHint, true},
    {ID_SaveText, ToolbarIcon::Save, IDS_SaveTextHint, false},
    {ID_ButtOptions, ToolbarIcon::Options, IDS_ButtOptionsHint, true},
};
constexpr std::size_t ToolBarButtonCount = std::size(ToolBarButtons);

struct PlayerButtonPlace {
    UINT id;
    PlayerGlyph glyph;
    UINT hint;
    int x;
    int y;
};

// Two rows of five, the divider after the third column.
constexpr PlayerButtonPlace PlayerButtons[] = {
    {ID_WinampPrev, PlayerGlyph::Prev, IDS_WinampPrevHint, 1, 1},
    {ID_WinampPlay, PlayerGlyph::Play, IDS_WinampPlayHint, 14, 1},
    {ID_WinampNext, PlayerGlyph::Next, IDS_WinampNextHint, 27, 1},
    {ID_WinampStop, PlayerGlyph::Stop, IDS_WinampStopHint, 46, 1},
    {ID_WinampJump, PlayerGlyph::Jump, IDS_WinampJumpHint, 59, 1},
    {ID_WinampPrev5s, PlayerGlyph::Prev5s, IDS_WinampPrev5sHint, 1, 11},
    {ID_WinampPause, PlayerGlyph::Pause, IDS_WinampPauseHint, 14, 11},
    {ID_WinampNext5s, PlayerGlyph::Next5s, IDS_WinampNext5sHint, 27, 11},
    {ID_WinampOpen, PlayerGlyph::Open, IDS_WinampOpenHint, 46, 11},
    {ID_WinampAdd, PlayerGlyph::Add, IDS_WinampAddHint, 59, 11},
};
constexpr std::size_t PlayerButtonCount = std::size(PlayerButtons);

std::size_t ToolBarIndex(UINT id)
{
    return static_cast<std::size_t>(std::find_if(std::begin(ToolBarButtons), std::end(ToolBarButtons),
                                                 [id](const ToolBarButton& button) { return button.id == id; }) -
                                    std::begin(ToolBarButtons));
}

std::size_t PlayerButtonIndex(UINT id)
{
    return static_cast<std::size_t>(std::find_if(std::begin(PlayerButtons), std::end(PlayerButtons),
                                                 [id](const PlayerButtonPlace& button) { return button.id == id; }) -
                                    std::begin(PlayerButtons));
}

// A 32-bit top-down bitmap of side × side, transparent, with `icon` in its
// middle, so that icons of several sizes share one image list.
HBITMAP CenteredIcon(HBITMAP icon, int side)
{
    HBITMAP canvas = TopDownBitmap({side, side});
    if (!canvas || !icon)
        return canvas;
    BITMAP size = {};
    GetObjectA(icon, sizeof size, &size);
    const UniqueMemoryDeviceContext target(CreateCompatibleDC(nullptr));
    const UniqueMemoryDeviceContext source(CreateCompatibleDC(nullptr));
    const SelectedObject canvasIn(target.get(), canvas);
    const SelectedObject iconIn(source.get(), icon);
    BitBlt(target.get(), (side - size.bmWidth) / 2, (side - size.bmHeight) / 2, size.bmWidth, size.bmHeight,
           source.get(), 0, 0, SRCCOPY);
    return canvas;
}

// A copy of a premultiplied 32-bit icon in grey at half strength, for the
// buttons that are disabled.
HBITMAP DisabledIcon(HBITMAP icon)
{
    auto copy = static_cast<HBITMAP>(CopyImage(icon, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION section = {};
    if (!copy || GetObjectA(copy, sizeof section, &section) != sizeof section || section.dsBm.bmBitsPixel != 32)
        return copy;
    GdiFlush();
    auto* pixel = static_cast<BYTE*>(section.dsBm.bmBits);
    const int count = section.dsBm.bmWidth * section.dsBm.bmHeight;
    for (int index = 0; index < count; ++index, pixel += 4) {
        const BYTE grey = static_cast<BYTE>((pixel[0] * 11 + pixel[1] * 59 + pixel[2] * 30) / 100 / 2);
        pixel[0] = pixel[1] = pixel[2] = grey;
        pixel[3] = static_cast<BYTE>(pixel[3] / 2);
    }
    return copy;
}

// The toolbar keeps a margin inside its height, above its buttons, as
// non-client space that it paints in the toolbar's colour. The margin's
// pixels come as the subclass's data.
LRESULT CALLBACK ToolBarMarginProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR margin) noexcept
{
    const auto marginPixels = static_cast<LONG>(margin);
    if (message == WM_NCCALCSIZE) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RECT& client = *reinterpret_cast<RECT*>(lParam);
        client.top = std::min(client.top + marginPixels, client.bottom);
        return result;
    }
    if (message == WM_NCPAINT) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RECT bounds = {};
        GetWindowRect(window, &bounds);
        RECT client = {};
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        RECT area{0, client.top - bounds.top - marginPixels, bounds.right - bounds.left, client.top - bounds.top};
        HDC context = GetWindowDC(window);
        FillRect(context, &area, GetSysColorBrush(COLOR_BTNFACE));
        ReleaseDC(window, context);
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

MainWindowBars::~MainWindowBars()
{
    if (images_)
        ImageList_Destroy(images_);
    if (disabledImages_)
        ImageList_Destroy(disabledImages_);
}

void MainWindowBars::Create(HINSTANCE instance, HWND window, DisplayScale scale)
{
    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                   TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 0, scale.Pixels(ToolBarHeight), window, nullptr, instance, nullptr);
    if (!toolBar_)
        throw std::runtime_error("Cannot create the toolbar");
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (std::size_t index = 0; index < ToolBarButtonCount; ++index) {
        hints_[index] = LoadResourceString(instance, ToolBarButtons[index].hint);
        wideHints_[index].assign(hints_[index].size(), L'\0');
        MultiByteToWideChar(CP_ACP, 0, hints_[index].data(), static_cast<int>(hints_[index].size()),
                            wideHints_[index].data(), static_cast<int>(wideHints_[index].size()));
    }
    scale_ = scale;
    PlaceButtons();

    RECT place = {};
    SendMessageA(toolBar_, TB_GETITEMRECT, ToolBarButtonCount + 1, reinterpret_cast<LPARAM>(&place));
    playerPanel_ = CreateWindowExA(0, PanelClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left,
                                   place.top, 0, 0, toolBar_, nullptr, instance, window);
    for (const PlayerButtonPlace& button : PlayerButtons)
        CreateWindowExA(0, "BUTTON", nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0, playerPanel_,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.id)), instance, nullptr);
    CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0, 0, playerPanel_,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_Bevel1)), instance, nullptr);
    PlacePlayerPanel();
}

void MainWindowBars::Rescale(DisplayScale scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    PlaceButtons();
    PlacePlayerPanel();
}

void MainWindowBars::MakeImages()
{
    const int side = scale_.Pixels(ToolBarIconSide);
    HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR32, static_cast<int>(ToolBarButtonCount), 0);
    HIMAGELIST disabledImages = ImageList_Create(side, side, ILC_COLOR32, static_cast<int>(ToolBarButtonCount), 0);
    for (const ToolBarButton& button : ToolBarButtons) {
        const UniqueGdiObject icon(CreateToolbarIconBitmap(button.icon, CLR_INVALID, scale_));
        const UniqueGdiObject centred(CenteredIcon(static_cast<HBITMAP>(icon.get()), side));
        const UniqueGdiObject disabled(DisabledIcon(static_cast<HBITMAP>(centred.get())));
        ImageList_Add(images, static_cast<HBITMAP>(centred.get()), nullptr);
        ImageList_Add(disabledImages, static_cast<HBITMAP>(disabled.get()), nullptr);
    }
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(toolBar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages));
    if (images_)
        ImageList_Destroy(images_);
    if (disabledImages_)
        ImageList_Destroy(disabledImages_);
    images_ = images;
    disabledImages_ = disabledImages;
}

void MainWindowBars::PlaceButtons()
{
    // A toolbar takes new button and picture sizes only while it is empty:
    // its buttons go and come back with their states.
    TBBUTTON buttons[ToolBarButtonCount + 2] = {};
    const bool made = SendMessageA(toolBar_, TB_BUTTONCOUNT, 0, 0) > 0;
    for (std::size_t index = 0; index < ToolBarButtonCount; ++index) {
        const ToolBarButton& button = ToolBarButtons[index];
        const LRESULT state = made ? SendMessageA(toolBar_, TB_GETSTATE, button.id, 0) : -1;
        buttons[index].iBitmap = static_cast<int>(index);
        buttons[index].idCommand = static_cast<int>(button.id);
        buttons[index].fsState = state >= 0 ? static_cast<BYTE>(state) : button.enabled ? TBSTATE_ENABLED : 0;
        buttons[index].fsStyle = BTNS_BUTTON;
    }
    while (SendMessageA(toolBar_, TB_DELETEBUTTON, 0, 0))
        ;
    SetWindowSubclass(toolBar_, ToolBarMarginProc, 0, static_cast<DWORD_PTR>(scale_.Pixels(ToolBarTopMargin)));
    SetWindowPos(toolBar_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const int iconSide = scale_.Pixels(ToolBarIconSide);
    const int buttonWidth = scale_.Pixels(ToolBarButtonWidth);
    const int buttonHeight = scale_.Pixels(ToolBarButtonHeight);
    SendMessageA(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(iconSide, iconSide));
    // The padding makes room for the icons on the larger buttons.
    SendMessageA(toolBar_, TB_SETPADDING, 0, MAKELPARAM(buttonWidth - iconSide, buttonHeight - iconSide));
    SendMessageA(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
    SendMessageA(toolBar_, TB_SETINDENT, static_cast<WPARAM>(BorderWidth()), 0);
    MakeImages();
    // Splitter1, a fixed gap, and the place of WinampCtrlPanel.
    buttons[ToolBarButtonCount].iBitmap = SplitterWidth();
    buttons[ToolBarButtonCount].fsStyle = BTNS_SEP;
    buttons[ToolBarButtonCount + 1].iBitmap = PlayerPanelWidth();
    buttons[ToolBarButtonCount + 1].fsStyle = BTNS_SEP;
    SendMessageA(toolBar_, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
}

void MainWindowBars::PlacePlayerPanel()
{
    RECT place = {};
    SendMessageA(toolBar_, TB_GETITEMRECT, ToolBarButtonCount + 1, reinterpret_cast<LPARAM>(&place));
    MoveWindow(playerPanel_, place.left, place.top, PlayerPanelWidth(), scale_.Pixels(WinampCtrlPanelHeight), TRUE);
    for (std::size_t index = 0; index < PlayerButtonCount; ++index) {
        const PlayerButtonPlace& button = PlayerButtons[index];
        playerGlyphs_[index] = UniqueGdiObject(CreatePlayerGlyphBitmap(button.glyph, CLR_INVALID, scale_));
        const RECT design{button.x, button.y, button.x + PlayerButtonWidth, button.y + PlayerButtonHeight};
        const RECT bounds = ScaledRect(design, scale_);
        MoveWindow(GetDlgItem(playerPanel_, static_cast<int>(button.id)), bounds.left, bounds.top,
                   bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
    }
    const RECT bevel = ScaledRect(Bevel1Bounds, scale_);
    MoveWindow(GetDlgItem(playerPanel_, ID_Bevel1), bevel.left, bevel.top, bevel.right - bevel.left,
               bevel.bottom - bevel.top, TRUE);
}

bool MainWindowBars::IsToolBarButton(UINT button) const
{
    return ToolBarIndex(button) < ToolBarButtonCount;
}

HWND MainWindowBars::PlayerButton(UINT button) const
{
    return PlayerButtonIndex(button) < PlayerButtonCount ? GetDlgItem(playerPanel_, static_cast<int>(button))
                                                         : nullptr;
}

bool MainWindowBars::IsButtonEnabled(UINT button) const
{
    if (IsToolBarButton(button))
        return SendMessageA(toolBar_, TB_ISBUTTONENABLED, button, 0) != 0;
    HWND control = PlayerButton(button);
    return control && IsWindowEnabled(control);
}

void MainWindowBars::EnableButton(UINT button, bool enabled)
{
    if (IsToolBarButton(button))
        SendMessageA(toolBar_, TB_ENABLEBUTTON, button, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    else if (HWND control = PlayerButton(button))
        EnableWindow(control, enabled ? TRUE : FALSE);
}

bool MainWindowBars::AnswerHintRequest(NMHDR& header)
{
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW)
        return false;
    const std::size_t index = ToolBarIndex(static_cast<UINT>(header.idFrom));
    if (index >= ToolBarButtonCount)
        return false;
    if (header.code == TTN_GETDISPINFOA)
        reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = hints_[index].data();
    else
        reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = wideHints_[index].data();
    return true;
}

void MainWindowBars::AddPlayerHints(HWND tooltip, HINSTANCE instance) const
{
    for (const PlayerButtonPlace& button : PlayerButtons)
        AddTool(tooltip, playerPanel_, PlayerButton(button.id), LoadResourceString(instance, button.hint));
}

void MainWindowBars::DrawItem(const DRAWITEMSTRUCT& item) const
{
    const std::size_t index = PlayerButtonIndex(item.CtlID);
    DrawPanelItem(item, item.CtlID == ID_Bevel1,
                  index < PlayerButtonCount ? static_cast<HBITMAP>(playerGlyphs_[index].get()) : nullptr);
}

int MainWindowBars::ToolBarControls() const
{
    return static_cast<int>(SendMessageA(toolBar_, TB_BUTTONCOUNT, 0, 0));
}

int MainWindowBars::ButtonWidth() const
{
    return scale_.Pixels(ToolBarButtonWidth);
}

int MainWindowBars::BorderWidth() const
{
    return scale_.Pixels(ToolBarBorderWidth);
}

// The gaps after the buttons end where the design's end, scaled, rather than
// each taking its own rounding.
int MainWindowBars::SplitterWidth() const
{
    constexpr int DesignEnd = ToolBarBorderWidth + static_cast<int>(ToolBarButtonCount) * ToolBarButtonWidth;
    return scale_.Pixels(DesignEnd + MainWindowLayout::SplitterWidth) -
           (BorderWidth() + static_cast<int>(ToolBarButtonCount) * ButtonWidth());
}

int MainWindowBars::PlayerPanelWidth() const
{
    constexpr int DesignStart = ToolBarBorderWidth + static_cast<int>(ToolBarButtonCount) * ToolBarButtonWidth +
                                MainWindowLayout::SplitterWidth;
    return scale_.Pixels(DesignStart + WinampCtrlPanelWidth) - scale_.Pixels(DesignStart);
}
