#pragma once

#include "settings/OptionNames.h"

class MainWindowLook;
class Settings;

// What a change of one option does, once the value holds the new state: the
// enabled states of the options that follow it, and, given the main window,
// the window's bars, fonts, colours, timer, size and mode. Without a window
// (while the settings load, before the window is made from them) only the
// value follows. A change of an option to the state it had is no change and
// must not be applied.
void ApplySettingChange(Settings& settings, OptionId changed, MainWindowLook* mainWindow);
