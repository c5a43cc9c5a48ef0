// A soak run: the program beside the simulated player, songs changing every
// two seconds, the text commands arriving every three, for MINUTES minutes;
// every second the program's memory is read. Prints its figures and
// fails when the memory's floor rose, the program died, showed a message box
// or never followed the player.
//
//   SoakSampler MINUTES
//
// It lands beside SimPlayer.exe, below the build's folder whose src folder
// holds Sonvera.exe, and uses the settings key of the Wine prefix it runs in,
// which it leaves without the program's settings.

#include "../SimPlayer/Playback.h"
#include "SoakFigures.h"
#include "app/SonveraIds.h"
#include "settings/SettingsKey.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/ScratchRegistry.h"
#include "support/SimPlayerProcess.h"
#include "support/SonveraProcess.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr char SongLengthSeconds[] = "2";
constexpr DWORD PollMs = 250;
constexpr DWORD CommandPeriodMs = 3000;
constexpr int PrintPeriodSeconds = 10;
constexpr std::int64_t GrowthLimitBytes = 256 * 1024;
constexpr UINT Commands[] = {ID_MenuNext, ID_MenuSaveText, ID_MenuClear};

// The program's settings go when the soak ends, however it ends; the program
// writes them as it closes, so this outlives it.
class SoakSettings {
public:
    explicit SoakSettings(const std::string& textsPath)
    {
        Remove();
        StoreSetting("TextsPath", textsPath);
        StoreSetting("RefreshOnTimer", 1);
        StoreSetting("RefreshInterval", 1);
        // No box for a song without a text, no question about an edit and no
        // save behind the user's back: nothing that waits for an answer.
        StoreSetting("SilentMode", 1);
        StoreSetting("AutoSave", 0u);
    }
    ~SoakSettings() { Remove(); }
    SoakSettings(const SoakSettings&) = delete;
    SoakSettings& operator=(const SoakSettings&) = delete;

private:
    static void Remove()
    {
        // The vendor's key above goes too, unless something else lives there.
        const std::string path = SettingsKeyPath;
        const std::string vendor = path.substr(0, path.rfind('\\'));
        for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            DeleteRegistryTree(root, path);
            RegDeleteKeyA(root, vendor.c_str());
        }
    }
};

std::wstring TextFileOf(const Song& song, const std::wstring& album = {})
{
    return song.artist + L"\\" + (album.empty() ? L"" : album + L"\\") + song.title + L".txt";
}

// A few dozen lines, different for every song, so that each change of song
// loads a text of its own.
std::string MadeUpText(const Song& song, const std::wstring& version)
{
    std::string text = Cp1251(song.artist + L" - " + song.title + version) + "\r\n\r\n";
    for (int verse = 1; verse <= 6; ++verse) {
        for (int line = 1; line <= 6; ++line)
            text += Cp1251(L"Куплет " + std::to_wstring(verse) + L", строка " + std::to_wstring(line) + L": " +
                           song.title + L"\r\n");
        text += "\r\n";
    }
    return text;
}

// Three of the player's own songs: one with a live version in an album folder
// as well, which the next command then shows, one plain, and the last without
// a text. Three songs of two seconds and three commands three seconds apart
// repeat together every 18 seconds, so any third of a minute's soak sees
// every window the program shows, and the memory those windows take under
// Wine (the X images of their surfaces) is the same in every span the floors
// are taken from. With seven songs they repeated every 126 seconds, and a
// flat program's working set seemed to grow by half a megabyte. Which song a
// command meets drifts with the player's clock.
std::vector<Song> SoakPlaylist()
{
    const std::vector<Song> songs = DefaultPlaylist();
    return {songs[0], songs[1], songs[6]};
}

void WriteTexts(const ScratchFolder& texts, const std::vector<Song>& songs)
{
    texts.MakeFile(TextFileOf(songs[0]), MadeUpText(songs[0], L""));
    texts.MakeFile(TextFileOf(songs[0], L"Live"), MadeUpText(songs[0], L" (концерт)"));
    texts.MakeFile(TextFileOf(songs[1]), MadeUpText(songs[1], L""));
}

std::string PlaylistOf(const std::vector<Song>& songs)
{
    std::string playlist;
    for (const Song& song : songs)
        playlist += Cp1251(song.artist + L" - " + song.title) + "\r\n";
    return playlist;
}

std::string WindowTextOf(HWND window)
{
    char text[512] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

BOOL CALLBACK MatchCaptionLabel(HWND window, LPARAM parameter)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (lstrcmpiA(name, "STATIC") != 0 || (style & SS_TYPEMASK) != SS_CENTER)
        return TRUE;
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

// The label above the text that names the song shown: "Artist - Title".
HWND CaptionLabel(HWND main)
{
    HWND label = nullptr;
    EnumChildWindows(main, MatchCaptionLabel, reinterpret_cast<LPARAM>(&label));
    return label;
}

MemorySample ReadMemory(HANDLE process, int second)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        throw std::runtime_error("cannot read the program's memory");
    // The commit charge, the same figure as the private bytes: Wine 8 fills
    // in only the older structure, which ends before the private usage.
    return {second, counters.PagefileUsage, counters.WorkingSetSize};
}

long long Kilobytes(std::int64_t bytes)
{
    return static_cast<long long>(bytes / 1024);
}

int Soak(int minutes)
{
    const std::vector<Song> songs = SoakPlaylist();
    const std::size_t missing = songs.size() - 1;
    ScratchFolder scratch;
    scratch.MakeFile(L"playlist.txt", PlaylistOf(songs));
    const ScratchFolder texts;
    WriteTexts(texts, songs);
    const SoakSettings settings(texts.AnsiPath());

    SimPlayerProcess player(scratch, {"--play", "--song-length", SongLengthSeconds, "--playlist",
                                      scratch.AnsiPath() + "playlist.txt"});
    SonveraProcess program;
    const HWND label = CaptionLabel(program.MainWindow());
    DWORD programId = 0;
    GetWindowThreadProcessId(program.MainWindow(), &programId);
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, programId));
    if (!label || !process)
        throw std::runtime_error("cannot watch the program");

    // Saving while the song without a text shows writes one for it; that
    // file goes again while the player plays the song before it, two songs
    // after the program last looked for it, so that the search for a missing
    // text keeps running all through the soak.
    const std::string farFromMissing = std::to_string((missing + 2) % songs.size() + 1) + ". ";
    const std::wstring missingFile = texts.Path() + TextFileOf(songs[missing]);

    const int totalSeconds = minutes * 60;
    std::vector<MemorySample> samples;
    int boxes = 0;
    int refreshes = 0;
    bool died = false;
    std::string shownSong;
    std::size_t commandsSent = 0;
    const DWORD start = GetTickCount();
    while (samples.empty() || samples.back().second < totalSeconds) {
        Sleep(PollMs);
        if (!program.Running()) {
            died = true;
            break;
        }
        if (const HWND box = program.OwnWindow("#32770")) {
            ++boxes;
            std::printf("# box: %s\n", SonveraProcess::BoxText(box).c_str());
            SonveraProcess::Answer(box, GetDlgItem(box, IDNO) ? IDNO : GetDlgItem(box, IDOK) ? IDOK : IDCANCEL);
        }
        // A refresh empties the label before it names the new song.
        const std::string caption = WindowTextOf(label);
        if (!caption.empty() && caption != shownSong) {
            ++refreshes;
            shownSong = caption;
        }
        if (WindowTextOf(player.MainWindow()).starts_with(farFromMissing))
            DeleteFileW(missingFile.c_str());

        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= (commandsSent + 1) * CommandPeriodMs)
            program.Command(Commands[commandsSent++ % std::size(Commands)]);
        // Read every second, for floors that miss no low; printed every ten.
        const int nextSample = (samples.empty() ? 0 : samples.back().second) + 1;
        if (elapsed >= static_cast<DWORD>(nextSample) * 1000) {
            samples.push_back(ReadMemory(process.get(), nextSample));
            if (nextSample % PrintPeriodSeconds == 0) {
                std::printf("# sample: %d s private_kb %llu working_set_kb %llu\n", nextSample,
                            static_cast<unsigned long long>(samples.back().privateBytes / 1024),
                            static_cast<unsigned long long>(samples.back().workingSet / 1024));
                std::fflush(stdout);
            }
        }
    }

    const DWORD exitCode = died ? STILL_ACTIVE : program.Close();
    PostMessageA(player.MainWindow(), WM_CLOSE, 0, 0);

    const FloorGrowth growth = GrowthOfFloors(samples, totalSeconds);
    std::printf("soak_minutes: %d\n", minutes);
    std::printf("refreshes: %d\n", refreshes);
    std::printf("boxes: %d\n", boxes);
    std::printf("private_bytes_growth_kb: %lld\n", Kilobytes(growth.privateBytes));
    std::printf("working_set_growth_kb: %lld\n", Kilobytes(growth.workingSet));

    std::vector<std::string> faults;
    if (died)
        faults.push_back("the program died");
    else if (exitCode != 0)
        faults.push_back("the program did not close cleanly (exit code " + std::to_string(exitCode) + ")");
    if (refreshes == 0)
        faults.push_back("the program never followed the player");
    if (boxes > 0)
        faults.push_back("the program showed message boxes");
    if (growth.privateBytes > GrowthLimitBytes)
        faults.push_back("private bytes grew");
    if (growth.workingSet > GrowthLimitBytes)
        faults.push_back("the working set grew");
    for (const std::string& fault : faults)
        std::printf("# FAILED: %s\n", fault.c_str());
    return faults.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    char* end = nullptr;
    const long minutes = argc == 2 ? std::strtol(argv[1], &end, 10) : 0;
    if (argc != 2 || *end != '\0' || minutes < 1 || minutes > 24 * 60) {
        std::fputs("usage: SoakSampler MINUTES\n", stderr);
        return 2;
    }
    try {
        return Soak(static_cast<int>(minutes));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "SoakSampler: %s\n", error.what());
        return 3;
    }
}
