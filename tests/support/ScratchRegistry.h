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
    // From now on every use of the hive fails, as the machine's hive refuses a
    // standard user who asks for full access.
    void Refuse();

    // Values under `path` (created when missing) of the scratch hive.
    // Through the ANSI call, which converts a string's bytes from the code
    // page, or through the wide one, which stores them as they are.
    void SetBinary(const char* path, const char* name, DWORD type, const std::string& bytes, bool wide = false) const;
    bool KeyExists(const char* path) const;

private:
    void Redirect();

    std::string path_;
    HKEY scratch_ = nullptr;
};

// Removes `path` below `root` with everything in it; no error when missing.
void DeleteRegistryTree(HKEY root, const std::string& path);

// While it lives, every use of HKEY_CURRENT_USER in this process fails.
class RefusedUserHive {
public:
    RefusedUserHive();
    ~RefusedUserHive();
    RefusedUserHive(const RefusedUserHive&) = delete;
    RefusedUserHive& operator=(const RefusedUserHive&) = delete;
};

// A handle on which every registry call fails.
HKEY InvalidRegistryHandle();
