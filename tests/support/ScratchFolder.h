#pragma once

#include <optional>
#include <string>
#include <vector>

// A folder of its own under the temporary folder, removed with everything in
// it when the object goes. Paths are wide so that tests create Cyrillic names
// the way a user's shell would, independent of the program's ANSI calls.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path with a trailing backslash, wide and in code page 1251.
    const std::wstring& Path() const { return path_; }
    std::string AnsiPath() const;

    // Relative paths below the folder; parents are created as needed.
    void MakeFolder(const std::wstring& relative, unsigned long attributes = 0) const;
    void MakeFile(const std::wstring& relative, const std::string& contents = {}, unsigned long attributes = 0) const;
    // The bytes of a file below the folder; nothing when it cannot be read.
    std::optional<std::string> Read(const std::wstring& relative) const;
    // The names of the entries of a folder below this one, sorted.
    std::vector<std::wstring> Names(const std::wstring& relative = {}) const;

private:
    std::wstring path_;
};

// Removes a folder tree, clearing read-only, hidden and system marks first.
void RemoveTree(const std::wstring& folder);
