#include "lookup/TextFolders.h"

#include "win/UniqueHandle.h"

#include <string_view>
#include <vector>

namespace {

bool IsTextName(std::wstring_view name)
{
    constexpr std::wstring_view extension = L".txt";
    if (name.size() < extension.size())
        return false;
    for (std::size_t at = 0; at < extension.size(); ++at)
        if ((name[name.size() - extension.size() + at] | 0x20) != extension[at])
            return false;
    return true;
}

// One enumeration of a folder, as its "*.txt" entries and its subfolders.
template <typename Visit>
bool ForEachEntry(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW((folder + L"*").c_str(), &entry));
    if (!find)
        return false;
    do
        visit(entry);
    while (FindNextFileW(find.get(), &entry));
    return true;
}

} // namespace

bool IsSearchedFolder(DWORD attributes)
{
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void ForEachTextEntry(const std::wstring& folder, const TextEntryVisitor& visit)
{
    ForEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        if (IsTextName(entry.cFileName))
            visit(folder, entry);
    });
}

bool ForEachArtistText(const std::wstring& artistFolder, const TextEntryVisitor& visit)
{
    // The folder's own texts as the one enumeration meets them, unless "."
    // (the folder itself, met first) is hidden; then its subfolders'.
    bool ownTexts = true;
    std::vector<std::wstring> subfolders;
    const bool opened = ForEachEntry(artistFolder, [&](const WIN32_FIND_DATAW& entry) {
        const std::wstring_view name = entry.cFileName;
        if (name == L".")
            ownTexts = IsSearchedFolder(entry.dwFileAttributes);
        else if (IsTextName(name) && ownTexts)
            visit(artistFolder, entry);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsSearchedFolder(entry.dwFileAttributes) &&
            name != L"." && name != L"..")
            subfolders.push_back(artistFolder + entry.cFileName + L"\\");
    });
    for (const std::wstring& subfolder : subfolders)
        ForEachTextEntry(subfolder, visit);
    return opened;
}
