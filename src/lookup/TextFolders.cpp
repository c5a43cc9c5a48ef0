#include "lookup/TextFolders.h"

#include "win/UniqueHandle.h"

#include <string_view>

bool IsSearchedFolder(DWORD attributes)
{
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void ForEachTextEntry(const std::wstring& folder, const TextEntryVisitor& visit)
{
    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW((folder + L"*.txt").c_str(), &entry));
    if (!find)
        return;
    do
        visit(folder, entry);
    while (FindNextFileW(find.get(), &entry));
}

bool ForEachArtistText(const std::wstring& artistFolder, const TextEntryVisitor& visit)
{
    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW((artistFolder + L"*.*").c_str(), &entry));
    if (!find)
        return false;
    std::wstring folder;
    do {
        // "." is the artist's folder itself.
        const std::wstring_view name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsSearchedFolder(entry.dwFileAttributes) ||
            name == L"..")
            continue;
        folder = artistFolder;
        if (name != L".")
            folder.append(name).append(L"\\");
        ForEachTextEntry(folder, visit);
    } while (FindNextFileW(find.get(), &entry));
    return true;
}
