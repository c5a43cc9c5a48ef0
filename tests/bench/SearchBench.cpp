// Measures the text search against a bare enumeration of the same folders, and
// with and without a large library of other artists beside the searched one.
// Prints "name: value" lines.
#include "bench/BenchLibrary.h"
#include "bench/BenchTiming.h"
#include "lookup/Ranking.h"
#include "lookup/TextSearch.h"
#include "player/NowPlaying.h"
#include "settings/Settings.h"
#include "support/ScratchFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int OtherArtists = 2000;
constexpr int Rounds = 21;
constexpr int RunsPerRound = 5;

// The same folders the search visits, with nothing done per entry.
std::size_t BareEnumeration(const std::string& artistFolder)
{
    std::size_t entries = 0;
    WIN32_FIND_DATAA folder;
    HANDLE folders = FindFirstFileA((artistFolder + "\\*.*").c_str(), &folder);
    if (folders == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = folder.cFileName;
        if (name == "..")
            continue;
        const std::string pattern = artistFolder + "\\" + (name == "." ? std::string() : name + "\\") + "*.txt";
        WIN32_FIND_DATAA file;
        HANDLE files = FindFirstFileA(pattern.c_str(), &file);
        if (files == INVALID_HANDLE_VALUE)
            continue;
        do
            ++entries;
        while (FindNextFileA(files, &file));
        FindClose(files);
    } while (FindNextFileA(folders, &folder));
    FindClose(folders);
    return entries;
}

double MedianTime(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < RunsPerRound; ++run) {
        const double start = Seconds();
        work();
        times.push_back(Seconds() - start);
    }
    return Median(times);
}

} // namespace

int main()
{
    // Two libraries with the same artist, one of them crowded by other
    // artists, measured in alternation so that the machine's drift hits both.
    ScratchFolder alone;
    ScratchFolder crowded;
    std::fprintf(stderr, "building %d x %d texts twice...\n", Albums, SongsPerAlbum);
    BuildArtist(alone, "words");
    BuildArtist(crowded, "words");
    std::fprintf(stderr, "adding %d other artists...\n", OtherArtists);
    for (int artist = 1; artist <= OtherArtists; ++artist) {
        const std::wstring folder = L"Other artist " + Number(artist, 4) + L"\\";
        crowded.MakeFile(folder + L"Needle in the Haystack.txt", "words");
        crowded.MakeFile(folder + L"Album\\Needle in the Haystack (live).txt", "words");
    }

    const NowPlayingSong song{L"Artist", L"Needle in the Haystack"};
    // A title only the tolerant names match, as a shop writes it.
    const NowPlayingSong remastered{L"Artist", L"Needle in the Haystack (Remastered 2011)"};
    std::size_t found = 0;
    const auto searchIn = [&](const ScratchFolder& library, const NowPlayingSong& song) {
        Settings settings;
        settings.textsPath = library.Path();
        return [&found, &song, settings] {
            CandidateList candidates;
            SearchTexts(song, settings, candidates);
            if (!candidates.empty())
                found = BestCandidate(candidates, song.SongTitle) + candidates.size();
        };
    };
    const auto searchAlone = searchIn(alone, song);
    const auto searchCrowded = searchIn(crowded, song);
    std::size_t tolerantFound = 0;
    const auto searchTolerant = [&] {
        searchIn(crowded, remastered)();
        tolerantFound = found;
    };
    const std::string artistFolder = alone.AnsiPath() + "Artist";
    std::size_t entries = 0;
    const auto bare = [&] { entries = BareEnumeration(artistFolder); };

    searchAlone();
    searchCrowded();
    searchTolerant();
    bare();
    std::vector<double> aloneTimes, crowdedTimes, bareTimes, tolerantTimes;
    for (int round = 0; round < Rounds; ++round) {
        aloneTimes.push_back(MedianTime(searchAlone));
        bareTimes.push_back(MedianTime(bare));
        crowdedTimes.push_back(MedianTime(searchCrowded));
        tolerantTimes.push_back(MedianTime(searchTolerant));
    }
    const double aloneMedian = Median(aloneTimes);
    const double bareMedian = Median(bareTimes);
    const double crowdedMedian = Median(crowdedTimes);

    std::printf("search_texts_found: %zu\n", found);
    std::printf("bare_enumeration_entries: %zu\n", entries);
    std::printf("search_ms: %.3f\n", aloneMedian * 1000);
    std::printf("bare_enumeration_ms: %.3f\n", bareMedian * 1000);
    std::printf("search_vs_bare_enumeration: %.3f\n", aloneMedian / bareMedian);
    std::printf("search_with_other_artists_ms: %.3f\n", crowdedMedian * 1000);
    std::printf("search_other_artists_effect: %.3f\n", crowdedMedian / aloneMedian);
    std::printf("tolerant_find_found: %zu\n", tolerantFound);
    std::printf("tolerant_find_ms: %.3f\n", Median(tolerantTimes) * 1000);
    std::printf("tolerant_find_vs_exact_find: %.3f\n", Median(tolerantTimes) / crowdedMedian);
    return 0;
}
