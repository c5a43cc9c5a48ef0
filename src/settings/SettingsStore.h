#pragma once

#include <functional>

class TOptions;

// Puts every stored setting into its control of the options window, in the
// table's order, as a user could: only real changes run the controls'
// handlers, which apply them to the main window. Shows the main window on the
// way, and ends with `firstRefresh`. A value of the wrong type stops the
// loading with the standard report; the controls after it keep their designed
// state and the first refresh does not run.
void LoadSettings(TOptions& options, const std::function<void()>& firstRefresh);

// Writes every setting from its control, and the main window's place and size
// (its text-view size in external-editor mode). A value the registry refuses
// is reported once, by the first such name; the others are still written.
void SaveSettings(const TOptions& options);
