#include "settings/FolderBrowser.h"

#include "win/LateBinding.h"

#include <objbase.h>
#include <shlobj.h>

std::optional<std::wstring> BrowseForFolder(HWND owner, const std::wstring& title)
{
    static const auto initialize = LateFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    static const auto uninitialize = LateFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    static const auto freeMemory = LateFunction<decltype(CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
    static const auto browseForFolder = LateFunction<decltype(SHBrowseForFolderW)>("shell32.dll", "SHBrowseForFolderW");
    static const auto pathOf = LateFunction<decltype(SHGetPathFromIDListW)>("shell32.dll", "SHGetPathFromIDListW");
    if (!initialize || !uninitialize || !freeMemory || !browseForFolder || !pathOf)
        return std::nullopt;
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::optional<std::wstring> folder;
    if (PIDLIST_ABSOLUTE chosen = browseForFolder(&browse)) {
        wchar_t path[MAX_PATH] = {};
        if (pathOf(chosen, path) && path[0])
            folder = path;
        freeMemory(chosen);
    }
    if (SUCCEEDED(com))
        uninitialize();
    return folder;
}
