#include "support/ScratchFolder.h"

#include "support/Cp1251.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace {

void MakeParents(const std::wstring& path)
{
    for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
}

} // namespace

ScratchFolder::ScratchFolder()
{
    wchar_t temp[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, temp) == 0)
        throw std::runtime_error("no temporary folder");
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(temp) + L"sonvera-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a scratch folder");
    }
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(path_.substr(0, path_.size() - 1));
}

std::string ScratchFolder::AnsiPath() const
{
    return Cp1251(path_);
}

void ScratchFolder::MakeFolder(const std::wstring& relative, unsigned long attributes) const
{
    const std::wstring full = path_ + relative;
    MakeParents(full);
    if (!CreateDirectoryW(full.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw std::runtime_error("cannot create a folder");
    if (attributes)
        SetFileAttributesW(full.c_str(), attributes);
}

void ScratchFolder::MakeFile(const std::wstring& relative, const std::string& contents, unsigned long attributes) const
{
    const std::wstring full = path_ + relative;
    MakeParents(full);
    HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create a file");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != contents.size())
        throw std::runtime_error("cannot write a file");
    if (attributes)
        SetFileAttributesW(full.c_str(), attributes);
}

std::optional<std::string> ScratchFolder::Read(const std::wstring& relative) const
{
    HANDLE file = CreateFileW((path_ + relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string contents(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    contents.resize(read);
    return contents;
}

std::vector<std::wstring> ScratchFolder::Names(const std::wstring& relative) const
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(((relative.empty() ? path_ : path_ + relative + L"\\") + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = folder + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}
