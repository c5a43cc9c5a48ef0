#include "win/FileText.h"

#include "win/UniqueHandle.h"

#include <windows.h>

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF)
        return std::nullopt;
    std::string contents(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < contents.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), contents.data() + done, static_cast<DWORD>(contents.size() - done), &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;
        done += read;
    }
    contents.resize(done);
    return contents;
}
