#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "win/MessageBoxes.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    bool alreadyRunning = false;
    const UniqueKernelHandle mark = MarkThisInstance(alreadyRunning);
    if (alreadyRunning) {
        HandOverToRunningCopy();
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        ProgramWindows windows(instance);
        return windows.RunMessageLoop();
    } catch (const std::exception& error) {
        ReportError(nullptr, error);
    }
    return 0;
}
