#pragma once

#include "settings/SettingsSource.h"

// The defaults as they stand on this machine: `MaxMemoWidth` is the screen width.
FixedSettings ScreenSettings();
