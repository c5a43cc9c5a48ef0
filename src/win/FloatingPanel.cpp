#include "win/FloatingPanel.h"

#include "win/WindowClass.h"

SIZE FloatingPanelFrameSize(SIZE clientSize)
{
    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, FloatingPanelStyle, FALSE, FloatingPanelExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
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

    const SIZE frame = FloatingPanelFrameSize(clientSize);
    return CreateWindowExA(FloatingPanelExStyle, className, caption.c_str(), FloatingPanelStyle, 0, 0, frame.cx,
                           frame.cy, owner, nullptr, instance, creationParameter);
}
