#include "app/MainWindowFixture.h"

#include <cstring>

std::string WindowTextOf(HWND window)
{
    char text[1024] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string ClassNameOf(HWND window)
{
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

RECT WindowBounds(HWND window)
{
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    return bounds;
}

RECT BoundsInParent(HWND window)
{
    RECT bounds = WindowBounds(window);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

bool PressWithControl(TSonveraMain& window, HWND target, BYTE key)
{
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE pressed[256];
    std::memcpy(pressed, saved, sizeof pressed);
    pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
    SetKeyboardState(pressed);
    MSG message = {};
    message.hwnd = target;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    const bool taken = window.TranslateShortcut(message);
    SetKeyboardState(saved);
    return taken;
}
