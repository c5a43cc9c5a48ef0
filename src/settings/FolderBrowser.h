#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system's folder browser, file-system folders only: the chosen folder,
// or nothing when the user cancels. Its libraries are bound when first used.
std::optional<std::wstring> BrowseForFolder(HWND owner, const std::wstring& title);
