// The main window's part in finding a text: the command that opens the find
// window, the window's keys, and the saved texts it is told of.
#include "app/SonveraMain.h"

void TSonveraMain::MenuFindClick(HWND)
{
    if (!find_)
        find_ = std::make_unique<TFind>(instance_, window_, *settings_,
                                             [this](const std::wstring& file) { refresh_->ShowChosenText(file); });
    find_->Show();
}

bool TSonveraMain::TakeFindMessage(MSG& message)
{
    return find_ && find_->TakeDialogMessage(message);
}

void TSonveraMain::TextWritten(const std::wstring& file)
{
    if (find_)
        find_->TextSaved(file);
}
