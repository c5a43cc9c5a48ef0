#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <string>

// Strict registry access: each function reports the registry call's own
// return code and leaves its output untouched unless it succeeds.

// Opens `path` below `root` with `access`, creating the missing keys.
LONG CreateRegistryKey(HKEY root, const char* path, REGSAM access, UniqueRegistryKey& key);

// Opens an existing key.
LONG OpenRegistryKey(HKEY root, const char* path, REGSAM access, UniqueRegistryKey& key);

// What a read of one 32-bit value found.
enum class DwordState {
    Read,       // a REG_DWORD of exactly four bytes
    Missing,    // no value of that name
    TooLong,    // stored data longer than four bytes, whatever its type
    WrongType,  // four bytes or fewer, but not a four-byte REG_DWORD
    Failed,     // the registry refused the read; `error` says why
};

struct DwordValue {
    DwordState state = DwordState::Missing;
    DWORD value = 0;
    LONG error = ERROR_SUCCESS;
};

DwordValue ReadRegistryDword(HKEY key, const char* name);

// What a read of one string value found: REG_SZ and REG_EXPAND_SZ are
// strings, taken as they stand. Strings are read and written through the wide
// calls, so that a path holds any character; the names are plain ASCII.
enum class StringState { Read, Missing, WrongType, Failed };

struct StringValue {
    StringState state = StringState::Missing;
    std::wstring value;
    LONG error = ERROR_SUCCESS;
};

StringValue ReadRegistryString(HKEY key, const char* name);

LONG WriteRegistryDword(HKEY key, const char* name, DWORD value);
LONG WriteRegistryString(HKEY key, const char* name, const std::wstring& value);
