#include "win/StayOnTop.h"

namespace {

constexpr UINT Placing = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool IsTopmost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Place(HWND window, bool onTop)
{
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, Placing);
}

} // namespace

void SetStayOnTop(HWND window, bool onTop)
{
    Place(window, onTop);
    if (IsTopmost(window) == onTop)
        return;
    // Wine puts a window that owns others just under them, and an owned window
    // just over its owner, and decides from those neighbours whether it stays
    // on top. A hidden window at the front of the band it should join gives it
    // the neighbour it needs.
    HWND neighbour = CreateWindowExA(WS_EX_TOOLWINDOW | (onTop ? WS_EX_TOPMOST : 0), "STATIC", "", WS_POPUP, 0, 0, 0,
                                     0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!neighbour)
        return;
    SetWindowPos(neighbour, onTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, Placing);
    Place(window, onTop);
    DestroyWindow(neighbour);
}
