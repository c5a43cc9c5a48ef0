#pragma once

#include "settings/OptionNames.h"

#include <optional>
#include <span>
#include <string>

class Settings;

// Every stored setting, named once: the registry value, how it is stored, its
// default and range, and the field of the settings value that holds it.
// Loading walks the table in its order; saving writes the same rows.

enum class StoredKind {
    Boolean,  // REG_DWORD, any non-zero number is on; written as 1 or 0
    Integer,  // REG_DWORD, a signed 32-bit number
    String,   // REG_SZ; REG_EXPAND_SZ is read as it stands
    Place,    // REG_DWORD; missing leaves the field as it is, and nothing is written for an unknown place
};

struct StoredSetting {
    // The name read; the registry matches names whatever their case.
    const char* name;
    // The name written, where the program has always written another case.
    const char* writtenName;
    StoredKind kind;
    int defaultNumber;
    const wchar_t* defaultText;
    // Loaded numbers are brought into this range, as their fields would.
    int minimum;
    int maximum;
    // The option whose change a loaded value makes; NoOptionId for geometry.
    OptionId option;
    // The field, as a number (booleans 1 or 0; places nothing when unknown)...
    std::optional<int> (*number)(const Settings&);
    // ...given what was stored: what the field takes, which may not be all of
    // it (an out-of-range colour index keeps the one there was).
    void (*setNumber)(Settings&, int);
    // ...or as text.
    std::wstring (*text)(const Settings&);
    void (*setText)(Settings&, const std::wstring&);
};

std::span<const StoredSetting> StoredSettings();

// The row of an option, or null for one that is not stored.
const StoredSetting* StoredSettingOf(OptionId option);

// The default and the range end that stand for the screen's width.
inline constexpr int ScreenWidthDefault = -1;

// The stored number as the field takes it: clamped into the row's range, the
// screen width standing in for ScreenWidthDefault.
int LoadedNumber(const StoredSetting& setting, int stored, int screenWidth);

// The special symbol's stored position; anything outside the set, or nothing,
// is the underscore's position.
int SpecialSymPositionOf(std::optional<int> stored);

// The radio button a stored "AmpVer" selects: 0 or 1, or -1 for neither.
int AmpVerIndexOf(int stored);
