#include "win/Registry.h"

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
