#include "lookup/TextSearch.h"

#include "lookup/SafeFileName.h"
#include "lookup/TolerantNames.h"
#include "player/NowPlaying.h"
#include "settings/SettingsSource.h"
#include "win/AnsiCase.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr DWORD SkippedFolderAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
constexpr std::string_view TextExtension = ".txt";

std::wstring Wide(std::string_view ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

// One walk of an artist's folder and its subfolders. Files whose name holds
// the title go straight to the candidates; the names of all the others are
// kept, so that the tolerant rules can be tried on them without a second walk.
class ArtistFolderWalk {
public:
    ArtistFolderWalk(std::string_view upperTitle, CandidateList& candidates)
        : upperTitle_(upperTitle), candidates_(candidates)
    {
    }

    // False when the folder cannot be opened.
    bool Walk(const std::string& folderPrefix)
    {
        WIN32_FIND_DATAA entry;
        UniqueFindHandle find(FindFirstFileA((folderPrefix + "*.*").c_str(), &entry));
        if (!find)
            return false;
        std::string filePattern;
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
            SearchFolder(filePattern);
        } while (FindNextFileA(find.get(), &entry));
        return true;
    }

    // Tries the tolerant rules, then without accents, on the files no exact
    // match took; true when they found one.
    bool TryTolerant(const TolerantTitle& title)
    {
        for (const bool withoutAccents : {false, true}) {
            for (const Seen& file : others_) {
                const std::string_view name = file.name;
                const std::wstring base = Wide(name.substr(0, name.size() - TextExtension.size()));
                if (withoutAccents ? AccentFreeTitleMatches(base, title) : TolerantTitleMatches(base, title))
                    candidates_.push_back(directories_[file.directory] + file.name);
            }
            if (!candidates_.empty())
                return true;
        }
        return false;
    }

private:
    struct Seen {
        std::size_t directory;
        std::string name;
    };

    // Searches one folder's "*.txt" entries, whatever their attributes.
    void SearchFolder(const std::string& filePattern)
    {
        WIN32_FIND_DATAA entry;
        UniqueFindHandle find(FindFirstFileA(filePattern.c_str(), &entry));
        if (!find)
            return;
        directories_.emplace_back(filePattern.data(), filePattern.size() - std::strlen("*.txt"));
        const std::string& directory = directories_.back();
        do {
            upperName_.assign(entry.cFileName);
            MakeUpperAnsi(upperName_);
            if (upperName_.find(upperTitle_) != std::string::npos)
                candidates_.push_back(directory + entry.cFileName);
            else if (upperName_.ends_with(".TXT"))
                others_.push_back({directories_.size() - 1, entry.cFileName});
        } while (FindNextFileA(find.get(), &entry));
    }

    std::string_view upperTitle_;
    CandidateList& candidates_;
    std::string upperName_;
    std::vector<std::string> directories_;
    std::vector<Seen> others_;
};

// The texts folder's artist folders whose tolerant name is the artist's
// (first), and those that are so only without accents (second), from one walk.
std::pair<std::vector<std::string>, std::vector<std::string>> TolerantArtistFolders(const std::string& textsPath,
                                                                                    const std::string& artist)
{
    std::pair<std::vector<std::string>, std::vector<std::string>> folders;
    WIN32_FIND_DATAA entry;
    UniqueFindHandle find(FindFirstFileA((textsPath + "*.*").c_str(), &entry));
    if (!find)
        return folders;
    const std::wstring wanted = TolerantName(Wide(artist));
    const std::wstring wantedWithoutAccents = WithoutAccents(wanted);
    do {
        const std::string_view name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (entry.dwFileAttributes & SkippedFolderAttributes) ||
            name == "." || name == "..")
            continue;
        const std::wstring folder = TolerantName(Wide(name));
        if (folder == wanted)
            folders.first.push_back(textsPath + entry.cFileName + "\\");
        else if (WithoutAccents(folder) == wantedWithoutAccents)
            folders.second.push_back(textsPath + entry.cFileName + "\\");
    } while (FindNextFileA(find.get(), &entry));
    return folders;
}

} // namespace

void SearchTexts(const NowPlayingSong& song, const SettingsSource& settings, CandidateList& candidates)
{
    std::string upperTitle = MakeSafeFileName(song.SongTitle, settings);
    MakeUpperAnsi(upperTitle);
    const std::size_t before = candidates.size();
    ArtistFolderWalk walk(upperTitle, candidates);
    const bool artistFolderFound =
        walk.Walk(settings.TextsPath() + MakeSafeFolderName(song.SongArtist, settings) + "\\");
    if (candidates.size() > before)
        return;

    // Nothing under the exact names: the same songs under the ways other
    // tools and people write them. Never more than one walk of a folder.
    const TolerantTitle title(Wide(song.SongTitle));
    if (artistFolderFound || song.SongArtist.empty()) {
        walk.TryTolerant(title);
        return;
    }
    const auto [tolerantFolders, accentFreeFolders] = TolerantArtistFolders(settings.TextsPath(), song.SongArtist);
    for (const std::vector<std::string>* stage : {&tolerantFolders, &accentFreeFolders}) {
        for (const std::string& folder : *stage) {
            ArtistFolderWalk tolerantWalk(upperTitle, candidates);
            tolerantWalk.Walk(folder);
            if (candidates.size() == before)
                tolerantWalk.TryTolerant(title);
        }
        if (candidates.size() > before)
            return;
    }
}
