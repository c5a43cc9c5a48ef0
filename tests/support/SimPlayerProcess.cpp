#include "support/SimPlayerProcess.h"

#include "support/Cp1251.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <stdexcept>

namespace {

// Process start-up under Wine can be slow on a cold machine.
constexpr DWORD StartTimeoutMs = 20000;

std::vector<std::wstring> Widened(const std::vector<std::string>& options)
{
    std::vector<std::wstring> wide;
    for (const std::string& option : options)
        wide.push_back(FromCp1251(option));
    return wide;
}

} // namespace

HANDLE KillOnCloseJob()
{
    static const UniqueKernelHandle job = [] {
        UniqueKernelHandle created(CreateJobObjectA(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (created)
            SetInformationJobObject(created.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job.get();
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search.processId || std::string(name) != search.className ||
        (search.visibleOnly && !IsWindowVisible(window)))
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

HWND ProcessWindow(DWORD processId, const char* className, bool visibleOnly)
{
    WindowSearch search{processId, className, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PrintTo(const LoggedMessage& logged, std::ostream* out)
{
    *out << logged.window << ' ' << logged.name << " wParam=0x" << std::hex << logged.wParam << " lParam=0x"
         << logged.lParam << std::dec;
}

std::vector<LoggedMessage> KeyPress(const std::string& window, unsigned key)
{
    return {{window, WM_KEYDOWN, "WM_KEYDOWN", key, 0}, {window, WM_KEYUP, "WM_KEYUP", key, 0}};
}

SimPlayerProcess::SimPlayerProcess(const ScratchFolder& scratch, const std::vector<std::string>& options)
    : SimPlayerProcess(Utf16{}, scratch, Widened(options))
{
}

SimPlayerProcess::SimPlayerProcess(Utf16, const ScratchFolder& scratch, const std::vector<std::wstring>& options)
{
    static int serial = 0;
    logPath_ = scratch.Path() + L"keys-" + std::to_wstring(++serial) + L".log";

    wchar_t exe[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine(exe, length);
    commandLine.replace(commandLine.rfind(L'\\') + 1, std::wstring::npos, L"SimPlayer.exe");
    commandLine = L'"' + commandLine + L"\" --log \"" + logPath_ + L'"';
    for (const std::wstring& option : options)
        commandLine += L" \"" + option + L'"';

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start SimPlayer.exe");
    process_.reset(process.hProcess);
    processId_ = process.dwProcessId;
    AssignProcessToJobObject(KillOnCloseJob(), process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);

    // The player shows its main window last, so the editor exists by then.
    const DWORD start = GetTickCount();
    while (!(main_ = OwnWindow("Winamp v1.x")) && !(main_ = OwnWindow("STUDIO"))) {
        if (GetTickCount() - start > StartTimeoutMs || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) {
            TerminateProcess(process_.get(), 1);
            throw std::runtime_error("SimPlayer.exe showed no main window");
        }
        Sleep(20);
    }
    editor_ = OwnWindow("Winamp PE");
    // Once a message has come round, the player has shown its windows and
    // waits for input, so its own start-up no longer moves the foreground.
    NewMessages();
}

SimPlayerProcess::~SimPlayerProcess()
{
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), StartTimeoutMs);
}

std::vector<LoggedMessage> SimPlayerProcess::NewMessages()
{
    static const UINT sync = RegisterWindowMessageA("SimPlayer.Sync");
    const unsigned long long marker = ++syncSerial_;
    PostMessageA(main_, sync, static_cast<WPARAM>(marker), 0);

    std::vector<LoggedMessage> logged;
    auto markerIt = logged.end();
    WaitFor([&] {
        logged = ReadLog();
        markerIt = std::find_if(logged.begin() + static_cast<std::ptrdiff_t>(std::min(seen_, logged.size())),
                                logged.end(), [marker](const LoggedMessage& line) {
                                    return line.name == "SimPlayer.Sync" && line.wParam == marker;
                                });
        return markerIt != logged.end();
    });
    if (markerIt == logged.end())
        throw std::runtime_error("SimPlayer did not take the sync marker in time");
    std::vector<LoggedMessage> fresh(logged.begin() + static_cast<std::ptrdiff_t>(seen_), markerIt);
    seen_ = static_cast<std::size_t>(markerIt - logged.begin()) + 1;
    return fresh;
}

HWND SimPlayerProcess::OwnWindow(const char* className) const
{
    return ProcessWindow(processId_, className);
}

std::vector<LoggedMessage> SimPlayerProcess::ReadLog() const
{
    std::vector<LoggedMessage> logged;
    UniqueFileHandle file(CreateFileW(logPath_.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return logged;
    std::string text(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    text.resize(read);
    // Only complete lines: the player may be halfway through one.
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        char window[16] = {};
        char name[40] = {};
        LoggedMessage line;
        if (std::sscanf(text.c_str() + start, "%15s 0x%x %39s wParam=0x%llx lParam=0x%llx", window, &line.message,
                        name, &line.wParam, &line.lParam) != 5)
            throw std::runtime_error("unreadable key log line: " + text.substr(start, end - start));
        line.window = window;
        line.name = name;
        logged.push_back(std::move(line));
    }
    return logged;
}
