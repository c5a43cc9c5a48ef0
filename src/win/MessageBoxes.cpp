#include "win/MessageBoxes.h"

#include "win/CodePage.h"

namespace {

class SystemMessageBoxes final : public MessageBoxHost {
public:
    int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override
    {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    }
};

SystemMessageBoxes systemBoxes;
MessageBoxHost* currentHost = &systemBoxes;

} // namespace

MessageBoxHost* SetMessageBoxHost(MessageBoxHost* host)
{
    MessageBoxHost* previous = currentHost;
    currentHost = host ? host : &systemBoxes;
    return previous == &systemBoxes ? nullptr : previous;
}

int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type)
{
    return currentHost->Show(owner, std::wstring(text), std::wstring(caption), type);
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type)
{
    return ShowMessageBox(owner, std::wstring_view(WideFromAnsi(text)), std::wstring_view(WideFromAnsi(caption)), type);
}

std::wstring WithClosingFullStop(std::wstring message)
{
    if (!message.empty() && message.back() > L'.')
        message += L'.';
    return message;
}

void ReportError(HWND owner, std::wstring message)
{
    ShowMessageBox(owner, std::wstring_view(WithClosingFullStop(std::move(message))),
                   std::wstring_view(WideFromAnsi(ApplicationTitle)), MB_OK | MB_ICONSTOP);
}

NamedError::NamedError(std::wstring message) : std::runtime_error(AnsiFromWide(message)), message_(std::move(message))
{
}

void ReportError(HWND owner, const std::exception& error)
{
    if (const auto* named = dynamic_cast<const NamedError*>(&error))
        ReportError(owner, named->Message());
    else
        ReportError(owner, std::string_view(error.what()));
}

void ReportError(HWND owner, std::string_view message)
{
    ReportError(owner, WideFromAnsi(message));
}
