#pragma once

#include "settings/SettingsLoading.h"

#include <windows.h>

// The settings in the registry key of SettingsKey.h.

// Reads every stored setting in the table's order (see LoadSettingsFrom).
// Reports nothing itself: a value of the wrong type comes back as the error
// to report once the main window shows.
LoadedSettings LoadSettings();

// Writes every setting of the value, the main window's place and text-view
// size included. A value the registry refuses is reported once, by the first
// such name, over `reportOwner`; the others are still written.
void SaveSettings(const Settings& settings, HWND reportOwner);
