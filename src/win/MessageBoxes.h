#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

// Every message box of the program goes through here, so that tests can answer
// them instead of a person.
class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    // Returns the button pressed (IDOK, IDYES, ...), as MessageBoxW does.
    virtual int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) = 0;
};

// Puts `host` in charge of all boxes until it is replaced; nullptr restores the
// real ones. Returns the host it replaced.
MessageBoxHost* SetMessageBoxHost(MessageBoxHost* host);

// A box of UTF-16 text, which may name a song or a file of any characters;
// text in the ANSI code page (the string table's, a registry message) is
// converted from it.
int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type);
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// The caption of the program's own boxes.
inline constexpr std::string_view ApplicationTitle = "Winamp Sonvera";

// The report of an error that no handler dealt with: a stop-icon box captioned
// with the application title, with a full stop appended when the message's
// last character sorts after ".". The program goes on afterwards.
void ReportError(HWND owner, std::wstring message);
void ReportError(HWND owner, std::string_view message);

// An error that names a file or a song, whose name may hold any character.
class NamedError : public std::runtime_error {
public:
    explicit NamedError(std::wstring message);
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

// The report of a caught error: a NamedError's own message, whole.
void ReportError(HWND owner, const std::exception& error);

// The message as `ReportError` shows it.
std::wstring WithClosingFullStop(std::wstring message);
