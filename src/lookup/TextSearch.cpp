#include "lookup/TextSearch.h"

#include "lookup/SafeFileName.h"
#include "player/NowPlaying.h"
#include "settings/SettingsSource.h"
#include "win/AnsiCase.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstring>
#include <string_view>

namespace {

constexpr DWORD SkippedFolderAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Searches one folder's "*.txt" entries, whatever their attributes.
void SearchFolder(const std::string& filePattern, std::string_view searchTitle, std::string& upperName,
                  CandidateList& candidates)
{
    WIN32_FIND_DATAA entry;
    UniqueFindHandle find(FindFirstFileA(filePattern.c_str(), &entry));
    if (!find)
        return;
    const std::string_view directory(filePattern.data(), filePattern.size() - std::strlen("*.txt"));
    do {
        upperName.assign(entry.cFileName);
        MakeUpperAnsi(upperName);
        if (upperName.find(searchTitle) != std::string::npos) {
            std::string path;
            path.reserve(directory.size() + upperName.size());
            path.append(directory).append(entry.cFileName);
            candidates.push_back(std::move(path));
        }
    } while (FindNextFileA(find.get(), &entry));
}

} // namespace

void SearchTexts(const NowPlayingSong& song, const SettingsSource& settings, CandidateList& candidates)
{
    std::string searchTitle = MakeSafeFileName(song.SongTitle, settings);
    MakeUpperAnsi(searchTitle);

    const std::string folderPrefix = settings.TextsPath() + MakeSafeFolderName(song.SongArtist, settings) + "\\";

    WIN32_FIND_DATAA entry;
    UniqueFindHandle find(FindFirstFileA((folderPrefix + "*.*").c_str(), &entry));
    if (!find)
        return;

    std::string filePattern;
    std::string upperName;
    do {
        if (entry.dwFileAttributes & SkippedFolderAttributes)
            continue;
        const std::string_view name = entry.cFileName;
        if (name == "..")
            continue;
        filePattern = folderPrefix;
        if (name != ".")
            filePattern.append(name).append("\\");
        filePattern.append("*.txt");
        SearchFolder(filePattern, searchTitle, upperName, candidates);
    } while (FindNextFileA(find.get(), &entry));
}
