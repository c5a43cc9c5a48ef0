// The main window's side of the options: its parts shown or hidden, its fonts
// and colours, and the frame of external-editor mode.
#include "app/SonveraMain.h"

#include "app/SonveraIds.h"
#include "win/Fonts.h"

#include <richedit.h>

#include <algorithm>

using namespace MainWindowLayout;

namespace {

// Room around the label's characters within its panel.
constexpr int LabelMargin = 4;

} // namespace

void TSonveraMain::ShowPart(Part part, bool shown)
{
    const HWND parts[] = {toolBar1_, statusBar_, panel1_, winampCtrlPanel_};
    ShowWindow(parts[static_cast<int>(part)], shown ? SW_SHOWNA : SW_HIDE);
    Layout();
}

bool TSonveraMain::IsPartShown(Part part) const
{
    const HWND parts[] = {toolBar1_, statusBar_, panel1_, winampCtrlPanel_};
    return HasVisibleStyle(parts[static_cast<int>(part)]);
}

int TSonveraMain::PartExtent(Part part) const
{
    switch (part) {
    case Part::ToolBar: return ToolBarHeight;
    case Part::StatusLine: return StatusBarHeight;
    case Part::Label: return panel1Height_;
    case Part::PlayerPanel: return WinampCtrlPanelWidth + SplitterWidth;
    }
    return 0;
}

EditorModeLayout TSonveraMain::EditorModeMetrics() const
{
    EditorModeLayout layout{};
    layout.toolBarControls = static_cast<int>(SendMessageA(toolBar1_, TB_BUTTONCOUNT, 0, 0));
    layout.toolBarButtonWidth = ToolBarButtonWidth;
    layout.toolBarBorderWidth = ToolBarBorderWidth;
    layout.toolBarHeight = ToolBarHeight;
    layout.playerPanelShown = IsPartShown(Part::PlayerPanel);
    layout.playerPanelWidth = WinampCtrlPanelWidth;
    layout.splitterWidth = SplitterWidth;
    layout.statusLineShown = IsPartShown(Part::StatusLine);
    layout.statusLineHeight = StatusBarHeight;
    layout.labelShown = IsPartShown(Part::Label);
    layout.labelHeight = panel1Height_;
    return layout;
}

void TSonveraMain::ShowTextView(bool shown)
{
    ShowWindow(memo2_, shown ? SW_SHOWNA : SW_HIDE);
    SetMenu(window_, shown ? menu1_ : nullptr);
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
    memoFace_ = face;
    ApplyMemoFont();
}

void TSonveraMain::SetMemoFontSize(int points)
{
    memoPoints_ = points;
    ApplyMemoFont();
}

void TSonveraMain::ApplyMemoFont()
{
    UniqueGdiObject font = MakeFont(memoFace_, PointsToPixels(memoPoints_), FW_NORMAL);
    SendMessageA(memo2_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    memoFont_ = std::move(font);
}

void TSonveraMain::SetMemoWordWrap(bool wrap)
{
    // A line width of 1 twip is the rich edit's way of saying "no wrapping".
    SendMessageA(memo2_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
    SendMessageA(memo2_, EM_SETOPTIONS, wrap ? ECOOP_AND : ECOOP_OR,
                 wrap ? ~static_cast<LPARAM>(ECO_AUTOHSCROLL) : ECO_AUTOHSCROLL);
    const LONG_PTR style = GetWindowLongPtrA(memo2_, GWL_STYLE);
    SetWindowLongPtrA(memo2_, GWL_STYLE, wrap ? style & ~static_cast<LONG_PTR>(WS_HSCROLL) : style | WS_HSCROLL);
    SendMessageA(memo2_, EM_SHOWSCROLLBAR, SB_HORZ, wrap ? FALSE : TRUE);
    SetWindowPos(memo2_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSonveraMain::SetLabelFontSize(int points)
{
    UniqueGdiObject font = MakeFont("Arial", PointsToPixels(points), FW_BOLD);
    SendMessageA(anT_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    anTFont_ = std::move(font);

    // The panel fits the label's characters, and never shrinks below its designed height.
    HDC context = GetDC(anT_);
    HGDIOBJ old = SelectObject(context, anTFont_.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, old);
    ReleaseDC(anT_, context);
    panel1Height_ = std::max(Panel1Height, static_cast<int>(metrics.tmHeight) + LabelMargin);
    Layout();
    FormResize(window_);
}

void TSonveraMain::SetLabelColours(COLORREF text, COLORREF panel)
{
    anTInk_ = text;
    panel1Colour_ = panel;
    panel1Brush_ = UniqueGdiObject(CreateSolidBrush(panel));
    InvalidateRect(panel1_, nullptr, TRUE);
    InvalidateRect(anT_, nullptr, TRUE);
}

LRESULT TSonveraMain::LabelColours(HDC context) const
{
    SetTextColor(context, anTInk_);
    SetBkColor(context, panel1Colour_);
    return reinterpret_cast<LRESULT>(panel1Brush_.get());
}
