#include "support/SonveraProcess.h"

#include "support/ScratchRegistry.h"
#include "support/SimPlayerProcess.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

constexpr char SettingsKeyPath[] = "Software\\Kestrow\\Sonvera";
// A cold Wine start of a second program can take a while.
constexpr DWORD StartTimeoutMs = 30000;

struct ChildSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<ChildSearch*>(parameter);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != search.className)
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND ChildOfClass(HWND parent, const char* className)
{
    ChildSearch search{className, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window)
{
    const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

UniqueRegistryKey SettingsKey()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, SettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return UniqueRegistryKey(key);
}

} // namespace

StartedProgram StartSonveraExe(std::wstring exe)
{
    if (exe.empty()) {
        wchar_t own[MAX_PATH];
        exe.assign(own, GetModuleFileNameW(nullptr, own, MAX_PATH));
        exe.replace(exe.rfind(L'\\') + 1, std::wstring::npos, L"..\\src\\Sonvera.exe");
    }
    std::wstring commandLine = L'"' + exe + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    AssignProcessToJobObject(KillOnCloseJob(), process.hProcess);
    CloseHandle(process.hThread);
    return {UniqueKernelHandle(process.hProcess), process.dwProcessId};
}

SonveraProcess::SonveraProcess(const std::wstring& exe)
{
    StartedProgram started = StartSonveraExe(exe);
    if (!started.process)
        throw std::runtime_error("cannot start Sonvera.exe");
    process_ = std::move(started.process);
    processId_ = started.id;
    // A message box at start-up may come before the main window is shown.
    for (const DWORD start = GetTickCount(); !OwnWindow("TSonveraMain") && !OwnWindow("#32770"); Sleep(20))
        if (GetTickCount() - start > StartTimeoutMs || !Running())
            throw std::runtime_error("Sonvera.exe showed no window");
    main_ = ProcessWindow(processId_, "TSonveraMain");
}

SonveraProcess::~SonveraProcess()
{
    if (Running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), StartTimeoutMs);
    }
}

HWND SonveraProcess::Memo() const
{
    return ChildOfClass(main_, "RichEdit20A");
}

std::string SonveraProcess::MemoText() const
{
    return TextOf(Memo());
}

std::string SonveraProcess::StatusText() const
{
    // The status bar's own messages carry pointers, which the system passes on
    // unchanged: the answer is written into the program's memory and read back.
    HWND bar = ChildOfClass(main_, STATUSCLASSNAMEA);
    constexpr SIZE_T Size = 4096;
    void* remote = VirtualAllocEx(process_.get(), nullptr, Size, MEM_COMMIT, PAGE_READWRITE);
    if (!remote)
        return {};
    std::string text(Size, '\0');
    const auto length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0));
    SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote));
    SIZE_T read = 0;
    ReadProcessMemory(process_.get(), remote, text.data(), Size, &read);
    VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
    text.resize(length < read ? length : read);
    return text;
}

void SonveraProcess::Command(UINT id) const
{
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void SonveraProcess::Type(const std::string& text) const
{
    HWND memo = Memo();
    for (const char letter : text)
        SendMessageA(memo, WM_CHAR, static_cast<unsigned char>(letter), 1);
}

HWND SonveraProcess::WaitForBox(DWORD milliseconds) const
{
    HWND box = nullptr;
    for (const DWORD start = GetTickCount(); !(box = OwnWindow("#32770")) && GetTickCount() - start < milliseconds;)
        Sleep(20);
    return box;
}

std::string SonveraProcess::BoxText(HWND box)
{
    return TextOf(GetDlgItem(box, 0xFFFF));
}

void SonveraProcess::Answer(HWND box, int button)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    WaitFor([box] { return !IsWindow(box); });
}

DWORD SonveraProcess::Close(DWORD milliseconds)
{
    PostMessageA(main_, WM_CLOSE, 0, 0);
    // What the close reports, such as a save that fails, is answered.
    for (const DWORD start = GetTickCount(); Running() && GetTickCount() - start < milliseconds; Sleep(20))
        if (HWND box = OwnWindow("#32770"))
            Answer(box, IDOK);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND SonveraProcess::OwnWindow(const char* className) const
{
    return ProcessWindow(processId_, className, true);
}

void ClearStoredSettings()
{
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, SettingsKeyPath);
}

void StoreSetting(const char* name, DWORD type, const std::string& bytes)
{
    RegSetValueExA(SettingsKey().get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
}

void StoreSetting(const char* name, DWORD number)
{
    StoreSetting(name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number));
}

void StoreSetting(const char* name, const std::string& text)
{
    StoreSetting(name, REG_SZ, text + '\0');
}

std::optional<DWORD> StoredNumber(const char* name)
{
    DWORD number = 0;
    DWORD size = sizeof number;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, SettingsKeyPath, name, RRF_RT_REG_DWORD, nullptr, &number, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

std::optional<std::string> StoredText(const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, SettingsKeyPath, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}
