#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// `text` in code page 1251, a character it lacks turned into '?': what an
// ANSI window shows of a title.
std::string Cp1251(std::wstring_view text);

// Sets `window`'s title: whole on a Unicode window, in code page 1251 on an
// ANSI one, as an old player shows a name outside that code page.
void SetTitle(HWND window, const std::wstring& title);

struct WindowShape {
    const char* className; // plain ASCII, as both kinds of class take it
    DWORD style;
    int left, top, width, height;
    HICON icon;
};

// Registers the class of `shape` for `procedure` and makes its window, a
// Unicode one or an ANSI one; null when either fails.
HWND RegisterAndCreate(HINSTANCE instance, bool unicode, WNDPROC procedure, const WindowShape& shape,
                       const std::wstring& title, void* createParameter);

// The plumbing every window of the player shares: the object behind a window
// travels in lpCreateParams, lives in GWLP_USERDATA from WM_NCCREATE to
// WM_NCDESTROY, and gets every message through `HandleMessage`.
template <typename Derived>
class WindowBase {
public:
    HWND Handle() const { return window_; }

protected:
    bool Make(HINSTANCE instance, bool unicode, const WindowShape& shape, const std::wstring& title)
    {
        return RegisterAndCreate(instance, unicode, Procedure, shape, title, static_cast<Derived*>(this)) != nullptr;
    }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return DefaultProcedure(window_, message, wParam, lParam);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
    {
        // lpCreateParams is the first member of both forms of CREATESTRUCT.
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY && self) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            self = nullptr;
        }
        if (!self)
            return DefaultProcedure(window, message, wParam, lParam);
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            // Nothing may unwind into the window system.
            return DefaultProcedure(window, message, wParam, lParam);
        }
    }

    HWND window_ = nullptr;

private:
    // A Unicode window's messages carry wide text, which only the wide
    // default procedure reads right.
    static LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                       : DefWindowProcA(window, message, wParam, lParam);
    }
};
