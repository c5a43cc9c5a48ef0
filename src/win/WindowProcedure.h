#pragma once

#include "win/LiveCounts.h"
#include "win/MessageBoxes.h"
#include "win/WindowDpi.h"

#include <windows.h>

#include <exception>

// The window procedure shared by every window class of ours. The object comes
// from lpCreateParams at WM_NCCREATE and stays in GWLP_USERDATA until
// WM_NCDESTROY; each message in between goes to its HandleMessage. An error
// that no handler dealt with ends that handler and is shown with the standard
// report, and the program goes on.
//
// A window class provides, to this template as a friend:
//   void AttachWindow(HWND), void DetachWindow(),
//   LRESULT HandleMessage(UINT, WPARAM, LPARAM), HWND ErrorReportOwner() const.
template <typename Window>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->AttachWindow(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ++live_counts::windows;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        --live_counts::windows;
        ForgetWindowScale(window);
        self->DetachWindow();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportError(self->ErrorReportOwner(), error);
    } catch (...) {
        ReportError(self->ErrorReportOwner(), "Unexpected error");
    }
    return 0;
}
