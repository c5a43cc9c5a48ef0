#include "KeyLog.h"

#include <cstdio>

namespace {

constexpr UINT FirstKeyMessage = 0x0100;
constexpr UINT LastKeyMessage = 0x0109;

const char* KeyMessageName(UINT message)
{
    switch (message) {
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_CHAR: return "WM_CHAR";
    case WM_DEADCHAR: return "WM_DEADCHAR";
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP: return "WM_SYSKEYUP";
    case WM_SYSCHAR: return "WM_SYSCHAR";
    case WM_SYSDEADCHAR: return "WM_SYSDEADCHAR";
    case 0x0109: return "WM_UNICHAR";
    default: return "unnamed";
    }
}

} // namespace

KeyLog::KeyLog(std::wstring path) : path_(std::move(path)), syncMessage_(RegisterWindowMessageA(SyncMessageName)) {}

bool KeyLog::Wants(UINT message) const
{
    return (message >= FirstKeyMessage && message <= LastKeyMessage) || message == syncMessage_;
}

void KeyLog::Write(const char* window, UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (path_.empty())
        return;
    char line[160];
    const int length = std::snprintf(line, sizeof line, "%s 0x%04X %s wParam=0x%llX lParam=0x%llX\r\n", window, message,
                                     message == syncMessage_ ? SyncMessageName : KeyMessageName(message),
                                     static_cast<unsigned long long>(wParam),
                                     static_cast<unsigned long long>(static_cast<ULONG_PTR>(lParam)));
    // Opened for each line and shared, so a reader never meets a locked or
    // half-buffered file.
    HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}
