#pragma once

#include <windows.h>

#include <string>

// Stands in for HKEY_LOCAL_MACHINE in this process while it lives: the hive is
// redirected to a fresh key under the current user's, which is removed before
// and after, so tests read and write the program's settings key for real
// without touching the machine's.
class ScratchMachineHive {
public:
    ScratchMachineHive();
    ~ScratchMachineHive();
    ScratchMachineHive(const ScratchMachineHive&) = delete;
    ScratchMachineHive& operator=(const ScratchMachineHive&) = delete;

    // Empties the scratch hive again.
    void Clear();

    // Values under `path` (created when missing) of the scratch hive.
    void SetBinary(const char* path, const char* name, DWORD type, const std::string& bytes) const;
    bool KeyExists(const char* path) const;

private:
    void Redirect();

    std::string path_;
    HKEY scratch_ = nullptr;
};

// Removes `path` below `root` with everything in it; no error when missing.
void DeleteRegistryTree(HKEY root, const std::string& path);
