#pragma once

#include <windows.h>

// Sizes of the main window's parts, shared by its files: sizes of the design
// at 96 DPI, which the window scales to its own.
namespace MainWindowLayout {

inline constexpr char PanelClassName[] = "TSonveraPanel";
inline constexpr int DefaultWidth = 200;
inline constexpr int DefaultHeight = 300;
inline constexpr int ToolBarHeight = 29;
inline constexpr int ToolBarButtonWidth = 20;
inline constexpr int ToolBarButtonHeight = 21;
inline constexpr int ToolBarIconSide = 18;
// Below the toolbar's two-pixel top edge, so that 4 + 21 + 4 pixels fill its height.
inline constexpr int ToolBarTopMargin = 2;
inline constexpr int SplitterWidth = 5;
inline constexpr int WinampCtrlPanelWidth = 73;
inline constexpr int WinampCtrlPanelHeight = 21;
inline constexpr int PlayerButtonWidth = 13;
inline constexpr int PlayerButtonHeight = 9;
inline constexpr RECT Bevel1Bounds{41, 2, 46, 19};
inline constexpr int Panel1Height = 20;
inline constexpr int StatusBarHeight = 19;
inline constexpr int ToolBarBorderWidth = 1;
// Of the toolbar's edge, below it in external-editor mode without a status line.
inline constexpr int EditorModeBottomEdge = 2;
inline constexpr UINT_PTR Timer1Id = 1;
// The look at the player that follows a timed text.
inline constexpr UINT_PTR FollowTimerId = 2;

// Whether a part is meant to show, whether or not its window is on screen yet.
inline bool HasVisibleStyle(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace MainWindowLayout
