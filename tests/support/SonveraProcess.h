#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <optional>
#include <string>

// The real program (Sonvera.exe, in the build's src folder beside the tests'
// folder) started in the job that ends it with the test program; a null
// process when it cannot be started.
struct StartedProgram {
    UniqueKernelHandle process;
    DWORD id = 0;
};
StartedProgram StartSonveraExe(std::wstring exe = {});

// The real program (Sonvera.exe, in the build's src folder beside the tests'
// folder), started as a user starts it and watched from outside: what its
// windows show, read across the process boundary, and its message boxes.
class SonveraProcess {
public:
    // Waits until the main window or a message box is shown; throws when
    // neither is in time.
    // `exe`: another copy of the program than the build's.
    explicit SonveraProcess(const std::wstring& exe = {});
    ~SonveraProcess();
    SonveraProcess(const SonveraProcess&) = delete;
    SonveraProcess& operator=(const SonveraProcess&) = delete;

    HWND MainWindow() const { return main_; }
    bool Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

    HWND Memo() const;
    std::string MemoText() const;
    std::string StatusText() const;
    // A command as its menu item or button sends it.
    void Command(UINT id) const;
    // Typed over the selection of the text area, as a user types.
    void Type(const std::string& text) const;

    // The first message box of the program that shows within `milliseconds`;
    // null when none does.
    HWND WaitForBox(DWORD milliseconds = 5000) const;
    static std::string BoxText(HWND box);
    // Answers `box` with `button` (IDOK, IDYES, ...) and waits until it goes.
    static void Answer(HWND box, int button);

    // Closes the main window, answering what it reports; the exit code, or
    // STILL_ACTIVE when it still runs after `milliseconds`.
    DWORD Close(DWORD milliseconds = 30000);

    // A shown top-level window of the program's, by class.
    HWND OwnWindow(const char* className) const;

private:

    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

// The program's settings key (that of the test's Wine prefix): removed, or
// given one value.
void ClearStoredSettings();
void StoreSetting(const char* name, DWORD type, const std::string& bytes);
void StoreSetting(const char* name, DWORD number);
void StoreSetting(const char* name, const std::string& text);
// A stored 32-bit value or string; empty when missing.
std::optional<DWORD> StoredNumber(const char* name);
std::optional<std::string> StoredText(const char* name);
