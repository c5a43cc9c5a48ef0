#include "app/ApplicationWindow.h"

#include "app/SonveraIds.h"
#include "win/MessageBoxes.h"
#include "win/WindowClass.h"
#include "win/WindowProcedure.h"

#include <exception>
#include <string>

namespace {

constexpr char ClassName[] = "TApplication";
// Posted to itself, so that the main window is activated after this window's
// own activation has finished.
constexpr UINT ActivateMainWindowMessage = WM_APP + 1;

} // namespace

TApplication::TApplication(HINSTANCE instance) : instance_(instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure<TApplication>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_Sonvera));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
    // No size, in the middle of the screen: a caption and a system menu for
    // the taskbar button's menu, nothing that shows.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateWindowExA(0, ClassName, std::string(ApplicationTitle).c_str(),
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr,
                    nullptr, instance, this);
}

TApplication::~TApplication()
{
    if (window_)
        DestroyWindow(window_);
}

void TApplication::MainWindowDestroyed(HWND window)
{
    if (window != mainWindow_)
        return;
    mainWindow_ = nullptr;
    if (quitWhenMainWindowCloses_)
        PostQuitMessage(0);
}

void TApplication::ShowTaskbarButton()
{
    if (!IsWindowVisible(window_))
        ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void TApplication::Minimize()
{
    ShowWindow(window_, SW_MINIMIZE);
}

void TApplication::ActivateMainWindow()
{
    if (mainWindow_ && !IsIconic(window_) && IsWindowVisible(mainWindow_) && IsWindowEnabled(mainWindow_))
        SetActiveWindow(mainWindow_);
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        // The system hides owned windows with a minimised owner on its own;
        // doing it here as well keeps the behaviour where it does not.
        if (wParam == SIZE_MINIMIZED)
            ShowOwnedPopups(window_, FALSE);
        else if (wParam == SIZE_RESTORED)
            ShowOwnedPopups(window_, TRUE);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageA(window_, ActivateMainWindowMessage, 0, 0);
        break;
    case ActivateMainWindowMessage:
        ActivateMainWindow();
        return 0;
    case WM_CLOSE:
        if (mainWindow_)
            PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
