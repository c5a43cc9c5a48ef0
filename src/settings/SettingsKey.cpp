#include "settings/SettingsKey.h"

#include "win/Registry.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Copies every value of `from` into `to`, as the first settings of a user who
// could read, but not write, the machine's.
void CopyValues(HKEY from, HKEY to)
{
    char name[256];
    std::vector<BYTE> data;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = sizeof name;
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegEnumValueA(from, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return;
        data.assign(size, 0);
        if (RegQueryValueExA(from, name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS)
            RegSetValueExA(to, name, 0, type, data.data(), size);
    }
}

} // namespace

UniqueRegistryKey OpenSettingsKey()
{
    UniqueRegistryKey key;
    if (CreateRegistryKey(HKEY_LOCAL_MACHINE, SettingsKeyPath, KEY_ALL_ACCESS, key) == ERROR_SUCCESS)
        return key;
    // A standard user may neither create nor write the machine's key: the
    // user's own key takes its place, for reading and writing alike.
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &opened, &disposition) != ERROR_SUCCESS)
        return key;
    key.reset(opened);
    if (disposition == REG_CREATED_NEW_KEY) {
        UniqueRegistryKey machine;
        if (OpenRegistryKey(HKEY_LOCAL_MACHINE, SettingsKeyPath, KEY_READ, machine) == ERROR_SUCCESS)
            CopyValues(machine.get(), key.get());
    }
    return key;
}

std::optional<std::int32_t> ReadStoredInteger(HKEY key, const char* name)
{
    if (!key)
        return std::nullopt;
    const DwordValue stored = ReadRegistryDword(key, name);
    switch (stored.state) {
    case DwordState::Read:
        return static_cast<std::int32_t>(stored.value);
    case DwordState::Missing:
        return std::nullopt;
    case DwordState::WrongType:
        throw std::runtime_error("Invalid data type for '" + std::string(name) + "'");
    case DwordState::TooLong:
    case DwordState::Failed:
        break;
    }
    throw std::runtime_error("Failed to get data for '" + std::string(name) + "'");
}

std::optional<std::wstring> ReadStoredString(HKEY key, const char* name)
{
    if (!key)
        return std::nullopt;
    StringValue stored = ReadRegistryString(key, name);
    switch (stored.state) {
    case StringState::Read:
        return std::move(stored.value);
    case StringState::Missing:
        return std::nullopt;
    case StringState::WrongType:
        break;
    case StringState::Failed:
        throw std::runtime_error("Failed to get data for '" + std::string(name) + "'");
    }
    throw std::runtime_error("Invalid data type for '" + std::string(name) + "'");
}
