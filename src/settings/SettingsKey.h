#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <optional>

// The one key, under HKEY_LOCAL_MACHINE, that holds the options and the main
// window's geometry.
inline constexpr char SettingsKeyPath[] = "Software\\Kestrow\\Sonvera";

// Opens the settings key with full access, creating it when missing. Where the
// machine-wide hive is closed to writing (a standard user whose writes the system
// does not redirect), the key is opened for reading instead, so that what is
// stored still counts. Empty when the key can be neither opened nor created.
UniqueRegistryKey OpenSettingsKey();

// A stored 32-bit integer; nothing when `key` is empty or has no such value.
// A value of another kind is an error for the standard report, thrown as
// std::runtime_error: "Failed to get data for 'Name'" when its data is longer
// than four bytes, "Invalid data type for 'Name'" otherwise.
std::optional<std::int32_t> ReadStoredInteger(HKEY key, const char* name);
