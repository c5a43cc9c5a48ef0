#include "app/SingleInstance.h"

#include "app/SonveraIds.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"

#include <string>

UniqueKernelHandle MarkThisInstance(bool& alreadyRunning)
{
    UniqueKernelHandle mark(CreateMutexA(nullptr, TRUE, SingleInstanceMutexName));
    alreadyRunning = mark && GetLastError() == ERROR_ALREADY_EXISTS;
    return mark;
}

void HandOverToRunningCopy()
{
    ShowWindow(FindWindowA("TApplication", std::string(ApplicationTitle).c_str()), SW_RESTORE);
    SetForegroundWindow(FindWindowA("TSonveraMain", LoadResourceString(IDS_MainTitle).c_str()));
}
