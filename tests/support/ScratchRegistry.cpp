#include "support/ScratchRegistry.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr char ScratchParent[] = "Software\\Sonvera tests";

} // namespace

void DeleteRegistryTree(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::string& child : children)
        DeleteRegistryTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

ScratchMachineHive::ScratchMachineHive()
    : path_(std::string(ScratchParent) + "\\machine-" + std::to_string(GetCurrentProcessId()))
{
    Clear();
}

ScratchMachineHive::~ScratchMachineHive()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (scratch_)
        RegCloseKey(scratch_);
    DeleteRegistryTree(HKEY_CURRENT_USER, path_);
    RegDeleteKeyA(HKEY_CURRENT_USER, ScratchParent);
}

void ScratchMachineHive::Clear()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (scratch_)
        RegCloseKey(scratch_);
    scratch_ = nullptr;
    DeleteRegistryTree(HKEY_CURRENT_USER, path_);
    Redirect();
}

void ScratchMachineHive::Refuse()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, InvalidRegistryHandle());
}

HKEY InvalidRegistryHandle()
{
    // A live handle, so that the override takes it, but not of a key.
    static const HANDLE notAKey = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    return static_cast<HKEY>(notAKey);
}

RefusedUserHive::RefusedUserHive()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, InvalidRegistryHandle());
}

RefusedUserHive::~RefusedUserHive()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
}

void ScratchMachineHive::Redirect()
{
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &scratch_, nullptr) !=
            ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch_) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect HKEY_LOCAL_MACHINE to a scratch key");
}

void ScratchMachineHive::SetBinary(const char* path, const char* name, DWORD type, const std::string& bytes,
                                   bool wide) const
{
    HKEY key = nullptr;
    const std::string full = path_ + "\\" + path;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot create " + full);
    const std::wstring wideName(name, name + std::strlen(name));
    const auto data = reinterpret_cast<const BYTE*>(bytes.data());
    const LONG status = wide ? RegSetValueExW(key, wideName.c_str(), 0, type, data, static_cast<DWORD>(bytes.size()))
                             : RegSetValueExA(key, name, 0, type, data, static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot write " + full + "\\" + name);
}

bool ScratchMachineHive::KeyExists(const char* path) const
{
    HKEY key = nullptr;
    const std::string full = path_ + "\\" + path;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}
