// The yardstick of start-up and footprint: the least a program with the same
// first screen must do, one window holding one rich edit with a song's text
// in it, read from the file named on the command line.
#include <windows.h>

#include <string>

namespace {

std::string ReadText(std::string path)
{
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    text.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    text.resize(read);
    CloseHandle(file);
    return text;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
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
    HWND edit = CreateWindowA("RichEdit20A", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 0, 0, 190, 260,
                              window, nullptr, instance, nullptr);
    SetWindowTextA(edit, ReadText(commandLine).c_str());
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_CLOSE || (message.hwnd == window && message.message == WM_SYSCOMMAND))
            break;
        DispatchMessageA(&message);
    }
    return 0;
}
