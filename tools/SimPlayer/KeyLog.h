#pragma once

#include <windows.h>

#include <string>

// The name under which tests register the message that marks "everything
// posted before this has arrived"; the player only logs it.
inline constexpr char SyncMessageName[] = "SimPlayer.Sync";

// Appends one line per message to a file, written through at once so that a
// test reading the file sees every message the player has taken so far:
//
//   main 0x0100 WM_KEYDOWN wParam=0x58 lParam=0x0
//   editor 0x0101 WM_KEYUP wParam=0x4C lParam=0x0
//
// The window is "main" or "editor" (the playlist editor); numbers are
// hexadecimal, lParam as the full unsigned value. Without a file it logs nothing.
class KeyLog {
public:
    explicit KeyLog(std::wstring path);

    // Key and character messages (0x0100..0x0109) and the sync message.
    bool Wants(UINT message) const;
    void Write(const char* window, UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    std::wstring path_;
    UINT syncMessage_;
};
