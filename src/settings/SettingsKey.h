#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The one key, under HKEY_LOCAL_MACHINE, that holds the options and the main
// window's geometry.
inline constexpr char SettingsKeyPath[] = "Software\\Kestrow\\Sonvera";

// Opens the settings key with full access, creating it when missing. Where the
// machine-wide key cannot be had with full access (a standard user whose writes
// the system does not redirect), the same key of the current user takes its
// place; made new, it starts with what the machine's key holds. Empty when
// neither can be opened.
UniqueRegistryKey OpenSettingsKey();

// A stored 32-bit integer; nothing when `key` is empty or has no such value.
// A value of another kind is an error for the standard report, thrown as
// std::runtime_error: "Failed to get data for 'Name'" when its data is longer
// than four bytes, "Invalid data type for 'Name'" otherwise.
std::optional<std::int32_t> ReadStoredInteger(HKEY key, const char* name);

// A stored string (REG_SZ or REG_EXPAND_SZ, as it stands); nothing when `key`
// is empty or has no such value. Any other type is "Invalid data type for
// 'Name'", thrown as std::runtime_error.
std::optional<std::wstring> ReadStoredString(HKEY key, const char* name);
