// Opens the running program's options window and saves a picture of each of
// its tabs, stepping through them with the arrow key, then one of the find
// window with a Cyrillic query typed. For the documentation's screenshots:
//
//   WindowShots.exe UNIX_FOLDER
//
// Needs ImageMagick's `import` on the X display that Wine draws on.
#include "app/SonveraIds.h"
#include "find/FindIds.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND WaitForWindow(const char* className, bool visible)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND window = FindWindowA(className, nullptr);
        if (window && (!visible || IsWindowVisible(window)))
            return window;
        Sleep(100);
    }
    return nullptr;
}

// A key as the focused window sees it.
void Press(HWND window, WPARAM key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

bool Shoot(HWND window, const std::string& file)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    char command[1024];
    std::snprintf(command, sizeof command, "start /wait /unix /usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s",
                  bounds.right - bounds.left, bounds.bottom - bounds.top, bounds.left, bounds.top, file.c_str());
    // `start /wait` does not wait for a Unix program: give it time to finish.
    const bool started = std::system(command) == 0;
    Sleep(2000);
    return started;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: WindowShots UNIX_FOLDER\n");
        return 2;
    }
    HWND mainWindow = WaitForWindow("TSonveraMain", true);
    if (!mainWindow) {
        std::fprintf(stderr, "WindowShots: the program's main window is not there\n");
        return 1;
    }
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_MenuOptions, 0), 0);
    HWND options = WaitForWindow("TOptions", true);
    HWND tabs = options ? FindWindowExA(options, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
    if (!tabs) {
        std::fprintf(stderr, "WindowShots: the options window did not open\n");
        return 1;
    }
    const char* names[] = {"options-work", "options-look", "options-editor", "options-files"};
    for (int tab = 0; tab < 4; ++tab) {
        // The tab control moves to the next tab on the right arrow, as the user's would.
        if (tab > 0)
            Press(tabs, VK_RIGHT);
        Sleep(1500);
        const std::string file = std::string(argv[1]) + "/" + names[tab] + ".png";
        if (!Shoot(options, file))
            return 1;
        std::printf("%s\n", file.c_str());
    }
    PostMessageA(options, WM_CLOSE, 0, 0);
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_MenuFind, 0), 0);
    HWND find = nullptr;
    for (int attempt = 0; attempt < 100 && !(find && IsWindowVisible(find)); ++attempt, Sleep(100))
        find = FindWindowW(L"#32770", L"Найти текст");
    if (!find) {
        std::fprintf(stderr, "WindowShots: the find window did not open\n");
        return 1;
    }
    for (const wchar_t key : std::wstring(L"свет"))
        SendMessageW(GetDlgItem(find, IDC_FindQuery), WM_CHAR, key, 1);
    Sleep(1500);
    const std::string file = std::string(argv[1]) + "/find.png";
    if (!Shoot(find, file))
        return 1;
    std::printf("%s\n", file.c_str());
    return 0;
}
