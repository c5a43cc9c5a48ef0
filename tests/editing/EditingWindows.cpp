#include "editing/EditingWindows.h"

#include <richedit.h>

#include <stdexcept>

namespace {

constexpr char ClassName[] = "SonveraEditingTestWindow";
constexpr int MemoId = 100;

void RegisterOnce(HINSTANCE instance)
{
    static const bool registered = [instance] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = ClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        throw std::runtime_error("cannot register the test window class");
}

HFONT MakeFont(const char* face, int height, int weight)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

int PointsToPixels(int points)
{
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

EditingWindows::EditingWindows()
{
    static const HMODULE richEdit = LoadLibraryA("riched20.dll");
    if (!richEdit)
        throw std::runtime_error("no riched20.dll");
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterOnce(instance);

    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Text");
    main_ = CreateWindowExA(0, ClassName, "Editing test", WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr, menu,
                            instance, nullptr);
    if (!main_)
        throw std::runtime_error("cannot create the test window");
    SetWindowLongPtrA(main_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(main_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));

    RECT client{};
    GetClientRect(main_, &client);
    label_ = CreateWindowExA(0, "STATIC", "Artist and title", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, client.right, 20,
                             main_, nullptr, instance, nullptr);
    labelFont_ = MakeFont("Arial", -13, FW_BOLD);
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);

    memo_ = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit20A", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL, 0, 20,
                            client.right - 120, client.bottom - 20, main_, reinterpret_cast<HMENU>(MemoId), instance,
                            nullptr);
    if (!memo_)
        throw std::runtime_error("cannot create the text area");
    SendMessageA(memo_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    SendMessageA(memo_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SetMemoFont("Courier New", 12);
}

EditingWindows::~EditingWindows()
{
    DestroyWindow(main_);
    DeleteObject(memoFont_);
    DeleteObject(labelFont_);
}

void EditingWindows::SetMemoFont(const char* face, int points)
{
    const HFONT font = MakeFont(face, -PointsToPixels(points), FW_NORMAL);
    SendMessageA(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (memoFont_)
        DeleteObject(memoFont_);
    memoFont_ = font;
}

void EditingWindows::SetText(const std::string& text) const
{
    SendMessageA(memo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(memo_, EM_SETMODIFY, FALSE, 0);
}

std::string EditingWindows::Text() const
{
    const auto length = static_cast<std::size_t>(SendMessageA(memo_, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = SendMessageA(memo_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void EditingWindows::Select(LONG from, LONG to) const
{
    CHARRANGE range{from, to};
    SendMessageA(memo_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

CHARRANGE EditingWindows::Selection() const
{
    CHARRANGE range{};
    SendMessageA(memo_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

LONG EditingWindows::Find(const std::string& needle) const
{
    FINDTEXTEXA find{};
    find.chrg = {0, -1};
    find.lpstrText = needle.c_str();
    return static_cast<LONG>(SendMessageA(memo_, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)));
}

bool EditingWindows::Modified() const
{
    // Some rich edits answer -1 for "modified".
    return SendMessageA(memo_, EM_GETMODIFY, 0, 0) != 0;
}

LRESULT CALLBACK EditingWindows::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* self = reinterpret_cast<EditingWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND && LOWORD(wParam) == MemoId && HIWORD(wParam) == EN_CHANGE)
        ++self->changeNotifications;
    return DefWindowProcA(window, message, wParam, lParam);
}

int MeasureText(HFONT font, const std::string& text)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

int OuterWidth(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int OuterHeight(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

int ClientWidth(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.right;
}

void DispatchPending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}
