#include "win/MessageBoxes.h"

namespace {

class SystemMessageBoxes final : public MessageBoxHost {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) override
    {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
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

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type)
{
    return currentHost->Show(owner, std::string(text), std::string(caption), type);
}

std::string WithClosingFullStop(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

void ReportError(HWND owner, std::string message)
{
    ShowMessageBox(owner, WithClosingFullStop(std::move(message)), ApplicationTitle, MB_OK | MB_ICONSTOP);
}
