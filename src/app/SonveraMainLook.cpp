// The main window's side of the options: its parts shown or hidden, its fonts
// and colours, and the frame of external-editor mode.
#include "app/SonveraMain.h"

#include "app/SonveraIds.h"
#include "settings/Settings.h"
#include "win/DeviceContext.h"
#include "win/Fonts.h"
#include "win/StayOnTop.h"
#include "win/WindowDpi.h"

#include <richedit.h>

#include <algorithm>

using namespace MainWindowLayout;

namespace {

// Room around the label's characters within its panel.
constexpr int LabelMargin = 4;

COLORREF ColourOf(TableColour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

void TSonveraMain::TakeLook(const ::Settings& look)
{
    // The place first: on a monitor of another scale the window takes that
    // scale before its stored size, in design units, is scaled.
    RECT bounds = {};
    GetWindowRect(window_, &bounds);
    SetWindowPos(window_, nullptr, look.geometry.left.value_or(bounds.left), look.geometry.top.value_or(bounds.top), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (const DisplayScale there = MonitorScale(window_); there != scale_) {
        GetWindowRect(window_, &bounds);
        OnDpiChanged(there.Dpi(), bounds);
    }
    SetWindowSize({Scaled(look.geometry.width), Scaled(look.geometry.height)});
    const HWND parts[] = {ToolBar1(), statusBar_, labelPanel_, WinampCtrlPanel()};
    const bool shown[] = {look.ShowToolBar(), look.ShowStatusBar(), look.ShowAnT(), look.ControlWinamp()};
    for (std::size_t part = 0; part < std::size(parts); ++part)
        if (!shown[part])
            ShowWindow(parts[part], SW_HIDE);
    SetLabelColours(ColourTable[static_cast<std::size_t>(look.anTColor.foreground)],
                    ColourTable[static_cast<std::size_t>(look.anTColor.background)]);
    // The label's font was made with the window; its panel fits it.
    FitLabelPanel();
    if (look.LengthIsWidth())
        SetMemoWordWrap(false);
    if (look.ampVer == PlayerGeneration::Winamp3)
        EnablePlaylistCommands(false);
    if (look.RefreshOnTimer())
        SetTimer1Running(true);
    if (look.OpenByShell()) {
        ShowTextView(false);
        SetToolWindowFrame(true);
        EnableTextCommands(false);
        const ClientSize client = EditorModeClientSize(EditorModeMetrics());
        const ClientSize inside = ClientArea();
        const ClientSize outside = WindowSize();
        SetWindowSize({outside.width + client.width - inside.width, outside.height + client.height - inside.height});
    }
}

void TSonveraMain::KeepGeometry(WindowGeometry& geometry, bool editorMode) const
{
    RECT bounds = {};
    GetWindowRect(window_, &bounds);
    geometry.left = bounds.left;
    geometry.top = bounds.top;
    if (!editorMode) {
        geometry.width = scale_.DesignUnits(bounds.right - bounds.left);
        geometry.height = scale_.DesignUnits(bounds.bottom - bounds.top);
    }
}

ClientSize TSonveraMain::WindowSize() const
{
    RECT bounds = {};
    GetWindowRect(window_, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

ClientSize TSonveraMain::ClientArea() const
{
    RECT client = {};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void TSonveraMain::SetWindowSize(ClientSize size)
{
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSonveraMain::SetStayOnTop(bool onTop)
{
    ::SetStayOnTop(window_, onTop);
}

void TSonveraMain::ShowPart(Part part, bool shown)
{
    const HWND parts[] = {ToolBar1(), statusBar_, labelPanel_, WinampCtrlPanel()};
    ShowWindow(parts[static_cast<int>(part)], shown ? SW_SHOWNA : SW_HIDE);
    Layout();
}

bool TSonveraMain::IsPartShown(Part part) const
{
    const HWND parts[] = {ToolBar1(), statusBar_, labelPanel_, WinampCtrlPanel()};
    return HasVisibleStyle(parts[static_cast<int>(part)]);
}

int TSonveraMain::PartExtent(Part part) const
{
    switch (part) {
    case Part::ToolBar: return Scaled(ToolBarHeight);
    case Part::StatusLine: return Scaled(StatusBarHeight);
    case Part::Label: return labelPanelHeight_;
    case Part::PlayerPanel: return bars_.PlayerPanelWidth() + bars_.SplitterWidth();
    }
    return 0;
}

EditorModeLayout TSonveraMain::EditorModeMetrics() const
{
    EditorModeLayout layout{};
    layout.toolBarControls = bars_.ToolBarControls();
    layout.toolBarButtonWidth = bars_.ButtonWidth();
    layout.toolBarBorderWidth = bars_.BorderWidth();
    layout.toolBarHeight = Scaled(ToolBarHeight);
    layout.playerPanelShown = IsPartShown(Part::PlayerPanel);
    layout.playerPanelWidth = bars_.PlayerPanelWidth();
    layout.splitterWidth = bars_.SplitterWidth();
    layout.statusLineShown = IsPartShown(Part::StatusLine);
    layout.statusLineHeight = Scaled(StatusBarHeight);
    layout.bottomEdge = Scaled(EditorModeBottomEdge);
    layout.labelShown = IsPartShown(Part::Label);
    layout.labelHeight = labelPanelHeight_;
    return layout;
}

void TSonveraMain::ShowTextView(bool shown)
{
    ShowWindow(textArea_.Window(), shown ? SW_SHOWNA : SW_HIDE);
    SetMenu(window_, shown ? menuBar_ : nullptr);
    Layout();
}

void TSonveraMain::SetToolWindowFrame(bool tool)
{
    constexpr LONG_PTR Sizing = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    SetWindowLongPtrA(window_, GWL_STYLE, tool ? style & ~Sizing : style | Sizing);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, tool ? exStyle | WS_EX_TOOLWINDOW : exStyle & ~WS_EX_TOOLWINDOW);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSonveraMain::EnableTextCommands(bool enabled)
{
    for (UINT button : {ID_SaveText, ID_ButtTrim, ID_ButtNorm})
        EnableButton(button, enabled);
}

void TSonveraMain::EnablePlaylistCommands(bool enabled)
{
    EnableButton(ID_WinampAdd, enabled);
    EnableButton(ID_WinampJump, enabled);
    EnableMenuItem(ID_MenuWinampAdd, enabled);
    EnableMenuItem(ID_MenuWinampJump, enabled);
}

void TSonveraMain::SetMemoFontFace(const std::string& face)
{
    // No entry chosen: the text keeps its font.
    if (face.empty())
        return;
    textFace_ = face;
    ApplyMemoFont();
}

void TSonveraMain::SetMemoFontSize(int points)
{
    textPoints_ = points;
    ApplyMemoFont();
}

void TSonveraMain::ApplyMemoFont()
{
    UniqueGdiObject font = MakePointFont(textFace_, textPoints_, FW_NORMAL, scale_);
    SendMessageA(textArea_.Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    textFont_ = std::move(font);
    Refresh().Follower().ShowLooksAgain();
}

void TSonveraMain::SetMemoWordWrap(bool wrap)
{
    // A line width of 1 twip is the rich edit's way of saying "no wrapping".
    SendMessageA(textArea_.Window(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
    SendMessageA(textArea_.Window(), EM_SETOPTIONS, wrap ? ECOOP_AND : ECOOP_OR,
                 wrap ? ~static_cast<LPARAM>(ECO_AUTOHSCROLL) : ECO_AUTOHSCROLL);
    const LONG_PTR style = GetWindowLongPtrA(textArea_.Window(), GWL_STYLE);
    SetWindowLongPtrA(textArea_.Window(), GWL_STYLE, wrap ? style & ~static_cast<LONG_PTR>(WS_HSCROLL) : style | WS_HSCROLL);
    SendMessageA(textArea_.Window(), EM_SHOWSCROLLBAR, SB_HORZ, wrap ? FALSE : TRUE);
    SetWindowPos(textArea_.Window(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSonveraMain::SetLabelFontSize(int points)
{
    UniqueGdiObject font = MakePointFont("Arial", points, FW_BOLD, scale_);
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    labelFont_ = std::move(font);
    labelPoints_ = points;
    FitLabelPanel();
}

void TSonveraMain::FitLabelPanel()
{
    // The panel fits the label's characters, and never shrinks below its designed height.
    TEXTMETRICA metrics{};
    {
        const WindowDc context(label_);
        const SelectedObject font(context.get(), labelFont_.get());
        GetTextMetricsA(context.get(), &metrics);
    }
    labelPanelHeight_ = std::max(Scaled(Panel1Height), static_cast<int>(metrics.tmHeight) + Scaled(LabelMargin));
    Layout();
    FormResize(window_);
}

void TSonveraMain::SetLabelColours(TableColour text, TableColour panel)
{
    labelInk_ = ColourOf(text);
    labelPanelColour_ = ColourOf(panel);
    textArea_.SetLookColours(labelInk_, labelPanelColour_);
    labelPanelBrush_ = UniqueGdiObject(CreateSolidBrush(labelPanelColour_));
    InvalidateRect(labelPanel_, nullptr, TRUE);
    InvalidateRect(label_, nullptr, TRUE);
}

LRESULT TSonveraMain::LabelColours(HDC context) const
{
    SetTextColor(context, labelInk_);
    SetBkColor(context, labelPanelColour_);
    return reinterpret_cast<LRESULT>(labelPanelBrush_.get());
}
