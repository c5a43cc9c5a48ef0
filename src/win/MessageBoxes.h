#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Every message box of the program goes through here, so that tests can answer
// them instead of a person.
class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    // Returns the button pressed (IDOK, IDYES, ...), as MessageBoxA does.
    virtual int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) = 0;
};

// Puts `host` in charge of all boxes until it is replaced; nullptr restores the
// real ones. Returns the host it replaced.
MessageBoxHost* SetMessageBoxHost(MessageBoxHost* host);

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// The caption of the program's own boxes.
inline constexpr std::string_view ApplicationTitle = "Winamp Sonvera";

// The report of an error that no handler dealt with: a stop-icon box captioned
// with the application title, with a full stop appended when the message's
// last character sorts after ".". The program goes on afterwards.
void ReportError(HWND owner, std::string message);

// The message as `ReportError` shows it.
std::string WithClosingFullStop(std::string message);
