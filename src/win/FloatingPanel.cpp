#include "win/FloatingPanel.h"

#include "win/WindowClass.h"
#include "win/WindowDpi.h"

SIZE FloatingPanelFrameSize(SIZE clientSize, DisplayScale scale)
{
    return FrameSizeAround({scale.Pixels(clientSize.cx), scale.Pixels(clientSize.cy)}, FloatingPanelStyle,
                           FloatingPanelExStyle, scale);
}

HWND CreateFloatingPanel(HWND owner, const char* className, WNDPROC procedure, const std::string& caption,
                         SIZE clientSize, void* creationParameter)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterWindowClass(windowClass))
        return nullptr;

    const DisplayScale scale = WindowScale(owner);
    const SIZE frame = FloatingPanelFrameSize(clientSize, scale);
    HWND panel = CreateWindowExA(FloatingPanelExStyle, className, caption.c_str(), FloatingPanelStyle, 0, 0, frame.cx,
                                 frame.cy, owner, nullptr, instance, creationParameter);
    if (panel)
        KeepWindowScale(panel, scale);
    return panel;
}
