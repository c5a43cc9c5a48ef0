#pragma once

#include "settings/OptionNames.h"

#include <optional>
#include <span>

// Every stored setting, named once: the registry value, how it is stored, its
// default, and the control of the options window that holds it. Loading walks
// the table in its order; saving writes the same rows.

enum class StoredKind {
    Boolean,  // REG_DWORD, any non-zero number is on; written as 1 or 0
    Integer,  // REG_DWORD, a signed 32-bit number
    String,   // REG_SZ; REG_EXPAND_SZ is read as it stands
};

struct StoredSetting {
    OptionId control;
    // The name read; the registry matches names whatever their case.
    const char* name;
    // The name written, where the program has always written another case.
    const char* writtenName;
    StoredKind kind;
    int defaultNumber;
    const char* defaultText;
};

std::span<const StoredSetting> StoredSettings();

// Special values of the table's defaults.
inline constexpr int ScreenWidthDefault = -1;

// The special symbol's stored position; anything outside the set, or nothing,
// is the underscore's position.
int SpecialSymPositionOf(std::optional<int> stored);

// The radio button a stored "AmpVer" selects: 0 or 1, or -1 for neither.
int AmpVerIndexOf(int stored);
