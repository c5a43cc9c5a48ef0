// A stand-in for the user's ".txt" editor. It appends to the file named by
// SONVERA_STAND_IN_LOG one line with its process id and command line (UTF-8), shows
// two top-level windows on its main thread, logs each close request they get
// and ends when both are gone, or after a minute, so that a failed test
// leaves nothing running.
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

int openWindows = 0;

void Log(const std::string& line)
{
    char path[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("SONVERA_STAND_IN_LOG", path, sizeof path))
        return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string text = std::to_string(GetCurrentProcessId()) + ' ' + line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK EditorWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        Log("closed");
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY && --openWindows == 0)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const wchar_t* commandLine = GetCommandLineW();
    std::string utf8(static_cast<std::size_t>(4 * lstrlenW(commandLine)), '\0');
    utf8.resize(static_cast<std::size_t>(std::max(0, WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, utf8.data(),
                                                                          static_cast<int>(utf8.size()), nullptr, nullptr) - 1)));
    Log("start " + utf8);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = EditorWindow;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "SonveraStandInEditor";
    RegisterClassA(&windowClass);
    for (const char* title : {"Stand-in editor", "Stand-in editor: find"}) {
        if (CreateWindowA(windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                          instance, nullptr))
            ++openWindows;
    }
    SetTimer(nullptr, 0, 60000, nullptr);
    MSG message;
    while (openWindows > 0 && GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER)
        DispatchMessageA(&message);
    return 0;
}
