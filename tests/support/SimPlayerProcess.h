#pragma once

#include "support/ScratchFolder.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

// A job that ends every process put into it when the test program ends.
HANDLE KillOnCloseJob();

// A top-level window of process `processId` by class (a shown one only when
// `visibleOnly`); null when there is none.
HWND ProcessWindow(DWORD processId, const char* className, bool visibleOnly = false);

// One line of the simulated player's key log.
struct LoggedMessage {
    std::string window; // "main" or "editor"
    unsigned message = 0;
    std::string name;
    unsigned long long wParam = 0;
    unsigned long long lParam = 0;
    bool operator==(const LoggedMessage&) const = default;
};
void PrintTo(const LoggedMessage& logged, std::ostream* out);

// The key-down and key-up of `key` as the player logs them for `window`.
std::vector<LoggedMessage> KeyPress(const std::string& window, unsigned key);

// Waits up to a few seconds for `condition`; what a posted message needs.
template <typename Condition>
bool WaitFor(const Condition& condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > 5000)
            return false;
        Sleep(10);
    }
    return true;
}

// The simulated player (SimPlayer.exe, beside the test program) in a process
// of its own, with its key log in `scratch`; ended when the object goes, and
// with the test program if that dies first.
class SimPlayerProcess {
public:
    // Throws when the player does not show its main window in time. The
    // options are in code page 1251, as the tests' paths and titles are.
    SimPlayerProcess(const ScratchFolder& scratch, const std::vector<std::string>& options);
    // The same with options in UTF-16, for text that code page lacks (a
    // title for "--unicode"); the tag keeps a braced list of narrow options
    // from meaning either.
    struct Utf16 {};
    SimPlayerProcess(Utf16, const ScratchFolder& scratch, const std::vector<std::wstring>& options);
    ~SimPlayerProcess();
    SimPlayerProcess(const SimPlayerProcess&) = delete;
    SimPlayerProcess& operator=(const SimPlayerProcess&) = delete;

    HWND MainWindow() const { return main_; }
    // The playlist editor; null when started without one.
    HWND Editor() const { return editor_; }

    // What the player logged since the last call. A marker posted behind
    // everything posted so far shows that nothing more is on its way: both
    // windows share one thread, whose posted messages arrive in order.
    std::vector<LoggedMessage> NewMessages();

private:
    HWND OwnWindow(const char* className) const;
    std::vector<LoggedMessage> ReadLog() const;

    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
    std::wstring logPath_;
    std::size_t seen_ = 0;
    unsigned long long syncSerial_ = 0;
};
