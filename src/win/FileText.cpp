#include "win/FileText.h"

#include "win/UniqueHandle.h"

#include <windows.h>

#include <algorithm>

namespace {

// What the first read of a file asks for.
constexpr std::size_t ReadChunk = 1 << 14;

} // namespace

std::optional<std::string> ReadWholeFile(const std::wstring& path)
{
    return ReadWholeFile(path, 0x7FFFFFFF);
}

std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t largest)
{
    if (path.empty())
        return std::nullopt;
    UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return std::nullopt;
    // Read until a read comes back short, without asking the size first: a
    // song's text takes one read, into the stack, and one allocation.
    char first[ReadChunk];
    DWORD read = 0;
    if (!ReadFile(file.get(), first, sizeof first, &read, nullptr) || read > largest)
        return std::nullopt;
    std::string contents(first, read);
    for (std::size_t wanted = sizeof first; read == wanted;) {
        const std::size_t done = contents.size();
        wanted = std::min<std::size_t>(done, 1 << 30);
        contents.resize(done + wanted);
        if (!ReadFile(file.get(), contents.data() + done, static_cast<DWORD>(wanted), &read, nullptr))
            return std::nullopt;
        contents.resize(done + read);
        if (contents.size() > largest)
            return std::nullopt;
    }
    return contents;
}

namespace {

constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr int TemporaryNameTries = 16;
// Virus scanners and indexers hold a file for a moment after it changes.
constexpr int SwapTries = 3;
constexpr DWORD SwapRetryDelayMs = 40;
constexpr DWORD WriteChunk = 1 << 20;

bool WriteAll(HANDLE file, std::string_view contents)
{
    while (!contents.empty()) {
        const DWORD chunk = contents.size() < WriteChunk ? static_cast<DWORD>(contents.size()) : WriteChunk;
        DWORD written = 0;
        if (!WriteFile(file, contents.data(), chunk, &written, nullptr) || written != chunk)
            return false;
        contents.remove_prefix(chunk);
    }
    return true;
}

// Writes `contents` to a new file beside `path` and flushes it; returns its
// path, or nothing (and no file) when that fails. The name is short, so that
// a target near the path limit does not push its sibling past it.
std::optional<std::wstring> WriteTemporaryBeside(const std::wstring& path, std::string_view contents, DWORD attributes)
{
    static unsigned serial = 0;
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
    for (int tries = 0; tries < TemporaryNameTries; ++tries) {
        wchar_t name[32];
        wsprintfW(name, L"~sv%04X%04X.tmp", static_cast<unsigned>(GetCurrentProcessId() & 0xFFFF), ++serial & 0xFFFF);
        std::wstring temporary = folder + name;
        HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return std::nullopt;
        }
        const bool flushed = WriteAll(created, contents) && FlushFileBuffers(created);
        const bool closed = CloseHandle(created) != FALSE;
        if (flushed && closed)
            return temporary;
        DeleteFileW(temporary.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

// The attributes we keep, as the system takes them: "normal" stands for none.
DWORD AttributeFlags(DWORD attributes)
{
    attributes &= KeptAttributes;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// A rename over the old file, which the file system does in one step. Not
// ReplaceFile: Wine's leaves a temporary file of its own behind when it fails.
bool SwapIn(const std::wstring& temporary, const std::wstring& path)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool passing =
            error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (!passing || attempt == SwapTries)
            return false;
        Sleep(SwapRetryDelayMs * static_cast<DWORD>(attempt));
    }
}

} // namespace

bool WriteWholeFile(const std::wstring& path, std::string_view contents)
{
    if (path.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;

    // The new file is born with all of the old one's attributes but
    // read-only, which would keep the old one from being replaced.
    const DWORD kept = exists ? attributes & KeptAttributes : 0;
    const bool readOnly = kept & FILE_ATTRIBUTE_READONLY;
    const DWORD unlocked = AttributeFlags(kept & ~FILE_ATTRIBUTE_READONLY);
    const std::optional<std::wstring> temporary = WriteTemporaryBeside(path, contents, unlocked);
    if (!temporary)
        return false;
    if (readOnly)
        SetFileAttributesW(path.c_str(), unlocked);
    const bool swapped = SwapIn(*temporary, path);
    if (!swapped)
        DeleteFileW(temporary->c_str());
    if (readOnly)
        SetFileAttributesW(path.c_str(), AttributeFlags(kept));
    return swapped;
}
