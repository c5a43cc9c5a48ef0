#include "settings/FolderBrowser.h"

#include "win/LateBinding.h"

#include <objbase.h>
#include <shlobj.h>

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title)
{
    static const auto initialize = LateFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    static const auto uninitialize = LateFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    static const auto freeMemory = LateFunction<decltype(CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
    static const auto browseForFolder = LateFunction<decltype(SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
    static const auto pathOf = LateFunction<decltype(SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
    if (!initialize || !uninitialize || !freeMemory || !browseForFolder || !pathOf)
        return std::nullopt;
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::optional<std::string> folder;
    if (PIDLIST_ABSOLUTE chosen = browseForFolder(&browse)) {
        char path[MAX_PATH] = {};
        if (pathOf(chosen, path) && path[0])
            folder = path;
        freeMemory(chosen);
    }
    if (SUCCEEDED(com))
        uninitialize();
    return folder;
}
