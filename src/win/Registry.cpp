#include "win/Registry.h"

#include <algorithm>

namespace {

// The values' names are ASCII, the same in every code page.
std::wstring WideName(const char* name)
{
    return std::wstring(name, name + std::char_traits<char>::length(name));
}

} // namespace

LONG CreateRegistryKey(HKEY root, const char* path, REGSAM access, UniqueRegistryKey& key)
{
    HKEY opened = nullptr;
    const LONG status = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &opened, nullptr);
    if (status == ERROR_SUCCESS)
        key.reset(opened);
    return status;
}

LONG OpenRegistryKey(HKEY root, const char* path, REGSAM access, UniqueRegistryKey& key)
{
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(root, path, 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key.reset(opened);
    return status;
}

DwordValue ReadRegistryDword(HKEY key, const char* name)
{
    DwordValue result;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    switch (status) {
    case ERROR_SUCCESS:
        if (type == REG_DWORD && size == sizeof data) {
            result.state = DwordState::Read;
            result.value = data;
        } else {
            result.state = DwordState::WrongType;
        }
        break;
    case ERROR_FILE_NOT_FOUND:
        result.state = DwordState::Missing;
        break;
    case ERROR_MORE_DATA:
        result.state = DwordState::TooLong;
        break;
    default:
        result.state = DwordState::Failed;
        break;
    }
    result.error = status;
    return result;
}

StringValue ReadRegistryString(HKEY key, const char* name)
{
    StringValue result;
    const std::wstring wideName = WideName(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
    std::wstring data;
    // The value may grow between asking its size and reading it.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.assign(size / sizeof(wchar_t) + 2, L'\0');
        DWORD read = size;
        status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read);
        if (status == ERROR_SUCCESS) {
            // An odd byte count leaves its last byte out.
            data.resize(read / sizeof(wchar_t));
            break;
        }
        size = read;
    }
    result.error = status;
    if (status == ERROR_FILE_NOT_FOUND) {
        result.state = StringState::Missing;
    } else if (status != ERROR_SUCCESS) {
        result.state = StringState::Failed;
    } else if (type != REG_SZ && type != REG_EXPAND_SZ) {
        result.state = StringState::WrongType;
    } else {
        // Stored strings may or may not carry their terminator.
        data.resize(std::min(data.size(), data.find(L'\0')));
        result.value = std::move(data);
        result.state = StringState::Read;
    }
    return result;
}

LONG WriteRegistryDword(HKEY key, const char* name, DWORD value)
{
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG WriteRegistryString(HKEY key, const char* name, const std::wstring& value)
{
    return RegSetValueExW(key, WideName(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
