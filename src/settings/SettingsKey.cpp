#include "settings/SettingsKey.h"

#include "win/Registry.h"

#include <stdexcept>
#include <string>

UniqueRegistryKey OpenSettingsKey()
{
    UniqueRegistryKey key;
    if (CreateRegistryKey(HKEY_LOCAL_MACHINE, SettingsKeyPath, KEY_ALL_ACCESS, key) != ERROR_SUCCESS)
        OpenRegistryKey(HKEY_LOCAL_MACHINE, SettingsKeyPath, KEY_READ, key);
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
