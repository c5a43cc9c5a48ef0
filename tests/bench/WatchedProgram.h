#pragma once

// What the start-up and footprint benches share: a stand-in player window that
// answers on a thread of its own, and a program watched from outside until
// its text area shows a text.
#include "win/UniqueHandle.h"

#include <windows.h>

#include <string>

// A path beside this bench program, e.g. "MinimalWindow.exe".
std::string Beside(const char* name);

// The first characters of a window's text, read across the process boundary.
std::string TextOf(HWND window);

// Answers the player's questions of where its song is, as a player that plays
// from the moment it was made: version, playing, position, jump.
LRESULT CALLBACK PlayingPlayerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The player's main window, of its class, with a title that says what plays.
// Its thread only waits for messages, so the bench may sleep meanwhile
// without keeping the program's title reads waiting, and without polling a
// queue, which under Wine wakes the other processes and bills them for it.
class BenchPlayer {
public:
    explicit BenchPlayer(const char* title);
    ~BenchPlayer();
    BenchPlayer(const BenchPlayer&) = delete;
    BenchPlayer& operator=(const BenchPlayer&) = delete;

    void SetTitle(const char* title) const;

private:
    static DWORD WINAPI Run(void* parameter);

    std::string firstTitle_;
    UniqueKernelHandle ready_;
    UniqueKernelHandle thread_;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

// Seconds from the process's start until its window of the watched class
// exists, until it is shown, and until its text area shows the text.
struct StartPhases {
    double windowMade = -1;
    double windowShown = -1;
    double textShown = -1;
};

// A program started with `arguments` whose window of `windowClass` holds a
// rich edit; closed when the object goes.
class WatchedProgram {
public:
    WatchedProgram(const std::string& exe, const std::string& arguments, const char* windowClass);
    ~WatchedProgram();
    WatchedProgram(const WatchedProgram&) = delete;
    WatchedProgram& operator=(const WatchedProgram&) = delete;

    // Waits up to `seconds` from now until the window is shown and its text
    // area starts with `text`; the seconds since the process's start, or -1.
    double WaitForText(const std::string& text, double seconds, StartPhases* phases = nullptr) const;
    // The process's working set in KB.
    double WorkingSetKb() const;
    // The processor time the process has used, kernel and user, in seconds.
    double CpuSeconds();
    // Waits `milliseconds` without touching any queue; false when the program
    // ended meanwhile.
    bool Idle(DWORD milliseconds) const;

private:
    // Under Wine, the process's Linux entry, Z:\proc\<pid>\; empty
    // elsewhere, or when it cannot be told apart from another.
    std::string FindLinuxEntry() const;

    UniqueKernelHandle process_;
    std::string exe_;
    std::string linuxEntry_;
    bool linuxEntrySought_ = false;
    const char* windowClass_;
    double start_ = 0;
};
