#include "settings/SpinField.h"

#include "settings/SpinRules.h"
#include "win/WindowClass.h"
#include "win/WindowDpi.h"
#include "win/WindowProcedure.h"
#include "win/WindowText.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr char ClassName[] = "TSpinField";
constexpr int ButtonsWidth = 15;

char DecimalSeparator()
{
    char separator[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    return separator[0] ? separator[0] : '.';
}

} // namespace

SpinField::SpinField(HWND parent, int id, const RECT& bounds, int minimum, int maximum, int maxLength,
                     std::function<void()> onChange)
    : minimum_(minimum), maximum_(maximum), onChange_(std::move(onChange))
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure<SpinField>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int buttonsWidth = WindowScale(parent).Pixels(ButtonsWidth);
    CreateWindowExA(WS_EX_CONTROLPARENT, ClassName, "", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top, width, height,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0,
                            width - buttonsWidth, height, window_, nullptr, instance, nullptr);
    buttons_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, width - buttonsWidth, 0, buttonsWidth,
                               height, window_, nullptr, instance, nullptr);
    if (maxLength > 0)
        SetMaxLength(maxLength);
    SendMessageA(window_, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
    SetWindowSubclass(edit_, &SpinField::EditProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

SpinField::~SpinField()
{
    if (window_)
        DestroyWindow(window_);
}

int SpinField::Value() const
{
    return SpinValueOf(Text(), minimum_, maximum_);
}

void SpinField::SetValue(int value)
{
    const std::string text = std::to_string(ClampSpinValue(value, minimum_, maximum_));
    if (text != Text())
        SetWindowTextA(edit_, text.c_str());
}

void SpinField::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
}

void SpinField::SetMaxLength(int maxLength)
{
    SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

std::string SpinField::Text() const
{
    return WindowText(edit_);
}

void SpinField::Step(int delta)
{
    SetValue(ClampSpinValue(static_cast<long long>(Value()) + delta, minimum_, maximum_));
}

LRESULT SpinField::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE && onChange_)
            onChange_();
        else if (reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_KILLFOCUS)
            SetValue(Value());
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == buttons_ && header.code == UDN_DELTAPOS) {
            // The buttons count downwards from the top one; the field counts up.
            Step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta < 0 ? 1 : -1);
            return TRUE;
        }
        return 0;
    }
    case WM_SIZE: {
        // Moved or rescaled: the buttons keep their designed width at the
        // field's scale, and the edit takes the rest.
        const int buttonsWidth = WindowScale(window_).Pixels(ButtonsWidth);
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        MoveWindow(edit_, 0, 0, std::max(0, width - buttonsWidth), height, TRUE);
        MoveWindow(buttons_, std::max(0, width - buttonsWidth), 0, buttonsWidth, height, TRUE);
        return 0;
    }
    case WM_SETFONT: {
        SendMessageA(edit_, WM_SETFONT, wParam, lParam);
        // A new font brings the font's own margins; narrow fields need their two digits whole.
        const int margin = WindowScale(window_).Pixels(1);
        SendMessageA(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
        return 0;
    }
    case WM_ENABLE:
        EnableWindow(edit_, wParam != 0);
        EnableWindow(buttons_, wParam != 0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK SpinField::EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR field) noexcept
{
    auto* self = reinterpret_cast<SpinField*>(field);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, &SpinField::EditProcedure, id);
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        self->Step(wParam == VK_UP ? 1 : -1);
        return 0;
    }
    if (message == WM_CHAR && !SpinAcceptsKey(static_cast<char>(wParam), DecimalSeparator())) {
        MessageBeep(MB_OK);
        return 0;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}
