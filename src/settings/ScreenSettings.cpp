#include "settings/ScreenSettings.h"

#include <windows.h>

FixedSettings ScreenSettings()
{
    FixedSettings settings;
    settings.maxMemoWidth = GetSystemMetrics(SM_CXSCREEN);
    return settings;
}
