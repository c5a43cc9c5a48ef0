#pragma once

#include <windows.h>

// The plumbing every window of the player shares: the object behind a window
// travels in lpCreateParams, lives in GWLP_USERDATA from WM_NCCREATE to
// WM_NCDESTROY, and gets every message through `HandleMessage`.
template <typename Derived>
class WindowBase {
public:
    HWND Handle() const { return window_; }

protected:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
    {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY && self) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            self = nullptr;
        }
        if (!self)
            return DefWindowProcA(window, message, wParam, lParam);
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            // Nothing may unwind into the window system.
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }

    HWND window_ = nullptr;
};
