#pragma once

#include "settings/Settings.h"
#include "settings/SettingsTable.h"

#include <functional>
#include <optional>
#include <string>

// Loading and saving the settings value row by row, apart from where the rows
// are stored: the store gives each row's stored value and takes each row's
// value to write.

struct StoredValue {
    enum class State { Missing, Number, Text, Unreadable };
    State state = State::Missing;
    int number = 0;
    std::wstring text;
    // For an unreadable value: the standard report, "Invalid data type for 'Name'"
    // or "Failed to get data for 'Name'".
    std::string error;
};

struct LoadedSettings {
    // What the options show: a value of the wrong type stops the loading, and
    // the rows after it keep their designed state.
    Settings value;
    // What the main window is made with: as the value, but where the loading
    // stopped the window keeps its own design, which is the defaults'.
    Settings look;
    // The report of the value that stopped the loading, or of a size that
    // could not be read (which only takes its default).
    std::optional<std::string> error;
    bool stopped = false;
};

struct LoadContext {
    std::function<StoredValue(const StoredSetting&)> read;
    // The default and the largest `MaxMemoWidth`: the screen's width in design units.
    int screenWidth = 1024;
    // The installed font of that name as the system spells it, or nothing.
    std::function<std::wstring(const std::wstring&)> installedFont;
};

// Puts each stored value into its field in the table's order, starting from
// the designed state; a real change runs the option's rule on the value alone.
LoadedSettings LoadSettingsFrom(const LoadContext& context);

// Each row's value to write: a number, or text for the string rows. Places
// the value does not know are left out.
void ForEachStoredValue(const Settings& settings,
                        const std::function<void(const StoredSetting&, std::optional<int>, const std::wstring&)>& write);

// The defaults, with `MaxMemoWidth` the screen's width.
Settings DefaultSettings(int screenWidth);
