#include "lookup/TextSearch.h"

#include "lookup/SafeFileName.h"
#include "lookup/TextFolders.h"
#include "lookup/TolerantNames.h"
#include "player/NowPlaying.h"
#include "settings/SettingsSource.h"
#include "win/AnsiCase.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::wstring_view TextExtension = L".txt";

// One walk of an artist's folder and its subfolders. Files whose name holds
// the title go straight to the candidates; the names of all the others are
// kept, so that the tolerant rules can be tried on them without a second walk.
class ArtistFolderWalk {
public:
    ArtistFolderWalk(std::wstring_view upperTitle, CandidateList& candidates)
        : upperTitle_(upperTitle), candidates_(candidates)
    {
    }

    // False when the folder cannot be opened.
    bool Walk(const std::wstring& folderPrefix)
    {
        return ForEachArtistText(folderPrefix, [this](const std::wstring& folder, const WIN32_FIND_DATAW& entry) {
            if (directories_.empty() || directories_.back() != folder)
                directories_.push_back(folder);
            upperName_.assign(entry.cFileName);
            MakeUpperWide(upperName_);
            if (upperName_.find(upperTitle_) != std::wstring::npos)
                candidates_.push_back(folder + entry.cFileName);
            else if (upperName_.ends_with(L".TXT"))
                others_.push_back({directories_.size() - 1, entry.cFileName});
        });
    }

    // Tries the tolerant rules, then without accents, on the files no exact
    // match took; true when they found one.
    bool TryTolerant(const TolerantTitle& title)
    {
        for (const bool withoutAccents : {false, true}) {
            for (const Seen& file : others_) {
                const std::wstring_view name = file.name;
                const std::wstring_view base = name.substr(0, name.size() - TextExtension.size());
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
        std::wstring name;
    };

    std::wstring_view upperTitle_;
    CandidateList& candidates_;
    std::wstring upperName_;
    std::vector<std::wstring> directories_;
    std::vector<Seen> others_;
};

// The texts folder's artist folders whose tolerant name is the artist's
// (first), and those that are so only without accents (second), from one walk.
std::pair<std::vector<std::wstring>, std::vector<std::wstring>> TolerantArtistFolders(const std::wstring& textsPath,
                                                                                      const std::wstring& artist)
{
    std::pair<std::vector<std::wstring>, std::vector<std::wstring>> folders;
    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW((textsPath + L"*.*").c_str(), &entry));
    if (!find)
        return folders;
    const std::wstring wanted = TolerantName(artist);
    const std::wstring wantedWithoutAccents = WithoutAccents(wanted);
    do {
        const std::wstring_view name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsSearchedFolder(entry.dwFileAttributes) ||
            name == L"." || name == L"..")
            continue;
        const std::wstring folder = TolerantName(name);
        if (folder == wanted)
            folders.first.push_back(textsPath + entry.cFileName + L"\\");
        else if (WithoutAccents(folder) == wantedWithoutAccents)
            folders.second.push_back(textsPath + entry.cFileName + L"\\");
    } while (FindNextFileW(find.get(), &entry));
    return folders;
}

} // namespace

void SearchTexts(const NowPlayingSong& song, const SettingsSource& settings, CandidateList& candidates)
{
    std::wstring upperTitle = MakeSafeFileName(song.SongTitle, settings);
    MakeUpperWide(upperTitle);
    const std::size_t before = candidates.size();
    ArtistFolderWalk walk(upperTitle, candidates);
    const bool artistFolderFound =
        walk.Walk(settings.TextsPath() + MakeSafeFolderName(song.SongArtist, settings) + L"\\");
    if (candidates.size() > before)
        return;

    // Nothing under the exact names: the same songs under the ways other
    // tools and people write them. Never more than one walk of a folder.
    const TolerantTitle title(song.SongTitle);
    if (artistFolderFound || song.SongArtist.empty()) {
        walk.TryTolerant(title);
        return;
    }
    const auto [tolerantFolders, accentFreeFolders] = TolerantArtistFolders(settings.TextsPath(), song.SongArtist);
    for (const std::vector<std::wstring>* stage : {&tolerantFolders, &accentFreeFolders}) {
        for (const std::wstring& folder : *stage) {
            ArtistFolderWalk tolerantWalk(upperTitle, candidates);
            tolerantWalk.Walk(folder);
            if (candidates.size() == before)
                tolerantWalk.TryTolerant(title);
        }
        if (candidates.size() > before)
            return;
    }
}
