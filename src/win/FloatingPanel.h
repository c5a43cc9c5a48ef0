#pragma once

#include "win/DisplayScale.h"

#include <windows.h>

#include <string>

// The program's floating panels: small tool windows with a sizing border that
// stay above other windows and have no taskbar button of their own. Owned by
// the main window, so they minimise and close with it.
inline constexpr DWORD FloatingPanelStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
inline constexpr DWORD FloatingPanelExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// The outer size of a floating panel whose client area is `clientSize` in
// design units, at `scale`.
SIZE FloatingPanelFrameSize(SIZE clientSize, DisplayScale scale);

// Registers `className` on first use and creates a hidden floating panel of
// that class with the given client size in design units, at the scale of its
// owner, which the panel keeps as its own. `creationParameter` arrives as
// lpCreateParams. Returns nullptr on failure.
HWND CreateFloatingPanel(HWND owner, const char* className, WNDPROC procedure, const std::string& caption,
                         SIZE clientSize, void* creationParameter);
