// Start-up against the least a program with the same first screen needs: from
// process start until the playing song's text is in the text area (settings
// loaded, player found, text shown), against a minimal program's window with
// its rich edit's text. Both are watched from outside the same way. Prints
// "name: value" lines.
#include "bench/BenchTiming.h"
#include "settings/SettingsKey.h"
#include "support/ScratchFolder.h"
#include "support/ScratchRegistry.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 9;

std::string Beside(const char* name)
{
    char exe[MAX_PATH];
    std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    return path.replace(path.rfind('\\') + 1, std::string::npos, name);
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                        &length);
    return std::string(text, length);
}

// Seconds from the process's start until `shown` finds its text; the process
// is closed afterwards.
double TimeToFirstScreen(const std::string& exe, const char* windowClass, const std::string& text)
{
    std::string commandLine = '"' + exe + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Seconds();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double shown = -1;
    while (Seconds() - start < 30) {
        HWND window = FindWindowA(windowClass, nullptr);
        HWND edit = window ? FindWindowExA(window, nullptr, "RichEdit20A", nullptr) : nullptr;
        if (edit && IsWindowVisible(window) && TextOf(edit).starts_with(text)) {
            shown = Seconds() - start;
            break;
        }
        Sleep(1);
    }
    PostMessageA(FindWindowA(windowClass, nullptr), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

} // namespace

int main()
{
    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Song.txt", "The words of the song\r\n");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, SettingsKeyPath);
    {
        const UniqueRegistryKey key = OpenSettingsKey();
        const std::string path = texts.AnsiPath();
        RegSetValueExA(key.get(), "TextsPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>(path.size() + 1));
    }
    // The player: a window of its class, playing the song.
    WNDCLASSA playerClass{};
    playerClass.lpfnWndProc = DefWindowProcA;
    playerClass.hInstance = GetModuleHandleA(nullptr);
    playerClass.lpszClassName = "Winamp v1.x";
    RegisterClassA(&playerClass);
    CreateWindowA("Winamp v1.x", "1. Artist - Song - Winamp", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                  GetModuleHandleA(nullptr), nullptr);

    const std::string program = Beside("..\\..\\src\\Sonvera.exe");
    const std::string minimal = Beside("MinimalWindow.exe");
    std::vector<double> programTimes;
    std::vector<double> minimalTimes;
    for (int run = 0; run < Runs; ++run) {
        programTimes.push_back(TimeToFirstScreen(program, "TSonveraMain", "The words of the song"));
        minimalTimes.push_back(TimeToFirstScreen(minimal, "MinimalRichEditWindow", "The words of the song"));
        // The player's window answers the program's title reads meanwhile.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, SettingsKeyPath);
    std::printf("startup_ms: %.0f\n", Median(programTimes) * 1000);
    std::printf("minimal_window_ms: %.0f\n", Median(minimalTimes) * 1000);
    std::printf("startup_vs_minimal_window: %.2f\n", Median(programTimes) / Median(minimalTimes));
    return 0;
}
