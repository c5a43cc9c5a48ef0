// The download as a user gets it: unpacked (by tests/package/check-package)
// into a folder of its own, started from there beside the simulated player,
// it shows the song's text, and its file names the project's version.
#include "SonveraVersion.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"
#include "support/SonveraProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The version resource of `file`: its numbers and its product version text.
struct FileVersion {
    DWORD high = 0;
    DWORD low = 0;
    std::wstring product;
};

FileVersion VersionOf(const std::wstring& file)
{
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (block.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return {};
    FileVersion version;
    void* value = nullptr;
    UINT size = 0;
    if (VerQueryValueW(block.data(), L"\\", &value, &size) && size >= sizeof(VS_FIXEDFILEINFO)) {
        version.high = static_cast<VS_FIXEDFILEINFO*>(value)->dwFileVersionMS;
        version.low = static_cast<VS_FIXEDFILEINFO*>(value)->dwFileVersionLS;
    }
    if (VerQueryValueW(block.data(), L"\\StringFileInfo\\041904E3\\ProductVersion", &value, &size) && size > 0)
        version.product = static_cast<const wchar_t*>(value);
    return version;
}

TEST(Package, UnpackedItShowsTheSongsTextAndNamesTheProjectsVersion)
{
    const char* unpacked = std::getenv("SONVERA_UNPACKED");
    ASSERT_NE(unpacked, nullptr) << "run by tests/package/check-package";
    const std::wstring exe = std::wstring(unpacked, unpacked + std::strlen(unpacked)) + L"\\Sonvera.exe";

    const FileVersion version = VersionOf(exe);
    EXPECT_EQ(version.high, static_cast<DWORD>(MAKELONG(SONVERA_VERSION_MINOR, SONVERA_VERSION_MAJOR)));
    EXPECT_EQ(version.low, static_cast<DWORD>(MAKELONG(0, SONVERA_VERSION_PATCH)));
    EXPECT_EQ(version.product, L"" SONVERA_VERSION_TEXT);

    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Song.txt", "The words of the song");
    ScratchFolder playerFolder;
    playerFolder.MakeFile(L"list.txt", "Artist - Song\r\n");
    const SimPlayerProcess player(playerFolder, {"--playlist", playerFolder.AnsiPath() + "list.txt", "--play"});
    ClearStoredSettings();
    StoreSetting("TextsPath", texts.AnsiPath());
    StoreSetting("RefreshOnTimer", 1);
    {
        const SonveraProcess sonvera(exe);
        EXPECT_TRUE(WaitFor([&] { return sonvera.MemoText() == "The words of the song"; })) << sonvera.MemoText();
    }
    ClearStoredSettings();
}

} // namespace
