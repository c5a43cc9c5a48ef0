#pragma once

#include <windows.h>

#include <functional>
#include <string>

// An integer field with an up/down button pair: a container window holding an
// edit and the buttons. The buttons and the Up and Down keys step by one;
// typing takes digits, signs and the decimal separator only (anything else
// beeps); leaving the field puts the clamped number back. Every change of the
// text, typed or set, runs `onChange`; setting the value it already shows runs
// nothing.
class SpinField {
public:
    SpinField(HWND parent, int id, const RECT& bounds, int minimum, int maximum, int maxLength,
              std::function<void()> onChange);
    ~SpinField();
    SpinField(const SpinField&) = delete;
    SpinField& operator=(const SpinField&) = delete;

    HWND Window() const { return window_; }
    HWND Edit() const { return edit_; }

    // The number the text reads as: clamped, the minimum for a text that
    // isn't a number.
    int Value() const;
    void SetValue(int value);
    void SetRange(int minimum, int maximum);
    // How many characters may be typed.
    void SetMaxLength(int maxLength);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return GetAncestor(window_, GA_ROOT); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR field) noexcept;

    std::string Text() const;
    void Step(int delta);

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    HWND buttons_ = nullptr;
    int minimum_;
    int maximum_;
    std::function<void()> onChange_;
};
