#include "bench/WatchedProgram.h"

#include "bench/BenchTiming.h"

#include <psapi.h>

#include <cstdio>

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

BenchPlayer::BenchPlayer(const char* title)
    : firstTitle_(title), ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    thread_.reset(CreateThread(nullptr, 0, Run, this, 0, &threadId_));
    HANDLE waits[] = {ready_.get(), thread_.get()};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
}

BenchPlayer::~BenchPlayer()
{
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.get(), INFINITE);
}

void BenchPlayer::SetTitle(const char* title) const
{
    SetWindowTextA(window_, title);
}

LRESULT CALLBACK PlayingPlayerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const DWORD start = GetTickCount();
    if (message != WM_USER)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (lParam) {
    case 0: return 0x2091;
    case 104: return 1;
    case 105: return static_cast<LRESULT>(GetTickCount() - start);
    case 106: return 0;
    default: return 1;
    }
}

DWORD WINAPI BenchPlayer::Run(void* parameter)
{
    auto& player = *static_cast<BenchPlayer*>(parameter);
    WNDCLASSA playerClass{};
    playerClass.lpfnWndProc = PlayingPlayerProcedure;
    playerClass.hInstance = GetModuleHandleA(nullptr);
    playerClass.lpszClassName = "Winamp v1.x";
    RegisterClassA(&playerClass);
    player.window_ = CreateWindowA("Winamp v1.x", player.firstTitle_.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(player.ready_.get());
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    DestroyWindow(player.window_);
    UnregisterClassA("Winamp v1.x", GetModuleHandleA(nullptr));
    return 0;
}

WatchedProgram::WatchedProgram(const std::string& exe, const std::string& arguments, const char* windowClass)
    : exe_(exe), windowClass_(windowClass)
{
    std::string commandLine = '"' + exe + '"';
    if (!arguments.empty())
        commandLine += ' ' + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    start_ = Seconds();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    CloseHandle(process.hThread);
    process_.reset(process.hProcess);
}

WatchedProgram::~WatchedProgram()
{
    if (!process_)
        return;
    PostMessageA(FindWindowA(windowClass_, nullptr), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 10000);
    }
}

double WatchedProgram::WaitForText(const std::string& text, double seconds, StartPhases* phases) const
{
    StartPhases seen;
    for (const double called = Seconds(); process_ && Seconds() - called < seconds;) {
        HWND window = FindWindowA(windowClass_, nullptr);
        if (window && seen.windowMade < 0)
            seen.windowMade = Seconds() - start_;
        if (window && seen.windowShown < 0 && IsWindowVisible(window))
            seen.windowShown = Seconds() - start_;
        HWND edit = window ? FindWindowExA(window, nullptr, "RichEdit20A", nullptr) : nullptr;
        if (edit && IsWindowVisible(window) && TextOf(edit).starts_with(text)) {
            seen.textShown = Seconds() - start_;
            if (phases)
                *phases = seen;
            return seen.textShown;
        }
        Sleep(1);
    }
    return -1;
}

double WatchedProgram::WorkingSetKb() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!process_ || !GetProcessMemoryInfo(process_.get(), &counters, sizeof counters))
        return -1;
    return static_cast<double>(counters.WorkingSetSize) / 1024;
}

namespace {

// A whole file, also one whose size the system does not know in advance.
std::string ReadAll(const std::string& path)
{
    std::string contents;
    const UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    if (!file)
        return contents;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        contents.append(buffer, read);
    return contents;
}

} // namespace

std::string WatchedProgram::FindLinuxEntry() const
{
    std::string found;
    WIN32_FIND_DATAA entry;
    const UniqueFindHandle search(FindFirstFileA("Z:\\proc\\*", &entry));
    if (!search)
        return found;
    do {
        if (entry.cFileName[0] < '1' || entry.cFileName[0] > '9')
            continue;
        const std::string folder = std::string("Z:\\proc\\") + entry.cFileName + '\\';
        // Wine starts the program under the path it was given, first on its
        // command line; another copy of the same file elsewhere has another.
        const std::string commandLine = ReadAll(folder + "cmdline");
        if (lstrcmpiA(commandLine.c_str(), exe_.c_str()) != 0)
            continue;
        if (!found.empty())
            return {};
        found = folder;
    } while (FindNextFileA(search.get(), &entry));
    return found;
}

double WatchedProgram::CpuSeconds()
{
    if (!process_)
        return -1;
    // Wine reports no processor time for another process; Linux keeps it
    // for all of the process's threads, in ticks of 1/100 s.
    if (!linuxEntrySought_) {
        linuxEntry_ = FindLinuxEntry();
        linuxEntrySought_ = true;
    }
    if (!linuxEntry_.empty()) {
        const std::string stat = ReadAll(linuxEntry_ + "stat");
        const std::size_t afterName = stat.rfind(')');
        unsigned long long user = 0, kernel = 0;
        if (afterName != std::string::npos &&
            std::sscanf(stat.c_str() + afterName + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
                        &kernel) == 2)
            return static_cast<double>(user + kernel) / 100;
        return -1;
    }
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process_.get(), &created, &exited, &kernel, &user))
        return -1;
    const auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

bool WatchedProgram::Idle(DWORD milliseconds) const
{
    return process_ && WaitForSingleObject(process_.get(), milliseconds) == WAIT_TIMEOUT;
}
