// The yardstick of start-up: the least a program with the same first screen
// must do, one window holding one rich edit with a text in it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    LoadLibraryA("riched20.dll");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "MinimalRichEditWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("MinimalRichEditWindow", "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 200, 300, nullptr,
                                nullptr, instance, nullptr);
    HWND edit = CreateWindowA("RichEdit20A", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 190, 260, window,
                              nullptr, instance, nullptr);
    SetWindowTextA(edit, "The words of the song");
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_CLOSE || (message.hwnd == window && message.message == WM_SYSCOMMAND))
            break;
        DispatchMessageA(&message);
    }
    return 0;
}
