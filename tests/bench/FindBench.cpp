// Measures finding a text as the user types over a folder of 10,000 made-up
// texts: a keystroke's results shown, reading the folder against a bare loop
// that opens, reads and closes the same files, and the memory the open window
// adds against the texts' size on disk. Prints "name: value" lines.
#include "bench/BenchLibrary.h"
#include "bench/BenchTiming.h"
#include "find/FindWindow.h"
#include "find/FolderReader.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "win/WindowText.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Artists = 2000;
constexpr int TextsPerArtist = 5;
constexpr int Rounds = 5;
constexpr std::size_t TextBytes = 1500;

// The same numbers on every run.
unsigned Next()
{
    static unsigned state = 12345;
    state = state * 1103515245 + 12345;
    return state >> 8;
}

std::vector<std::wstring> MadeUpWords(int count)
{
    const wchar_t* syllables[] = {L"ра", L"но", L"ми", L"ло", L"ве", L"те", L"ки", L"ду", L"со", L"лё", L"бы", L"жи",
                                  L"та", L"зо", L"пу", L"ре", L"ся", L"чу", L"шо", L"мы", L"ск", L"гра", L"вь", L"на"};
    std::vector<std::wstring> words;
    for (int index = 0; index < count; ++index) {
        std::wstring word;
        for (unsigned part = 0, parts = 1 + Next() % 4; part < parts; ++part)
            word += syllables[Next() % std::size(syllables)];
        words.push_back(word);
    }
    return words;
}

// Common words often, rare ones seldom, as in songs.
const std::wstring& AnyWord(const std::vector<std::wstring>& words)
{
    const unsigned spread = Next() % 1000;
    return words[spread * spread / 1000 * words.size() / 1000];
}

std::wstring MadeUpName(const std::vector<std::wstring>& words, int count)
{
    std::wstring name = AnyWord(words);
    name[0] = static_cast<wchar_t>(name[0] - 0x20);
    for (int word = 1; word < count; ++word)
        name += L" " + AnyWord(words);
    return name;
}

// The bytes of a text of about TextBytes in code page 1251, or in UTF-8.
std::string MadeUpText(const std::vector<std::wstring>& words, bool utf8)
{
    std::wstring text;
    while (text.size() < (utf8 ? TextBytes * 5 / 9 : TextBytes)) {
        std::wstring line = MadeUpName(words, 3 + static_cast<int>(Next() % 5));
        text += line + (Next() % 5 == 0 ? L",\r\n\r\n" : L"\r\n");
    }
    return utf8 ? Utf8(text) : Cp1251(text);
}

// A bare loop over the same tree: every "*.txt" of the artists' folders and
// their subfolders opened, read and closed.
std::size_t BareRead(const std::wstring& folder, int depth)
{
    std::size_t files = 0;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    static char buffer[1 << 16];
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (depth < 2)
                files += BareRead(folder + name + L"\\", depth + 1);
            continue;
        }
        HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD read = 0;
        ReadFile(file, buffer, sizeof buffer, &read, nullptr);
        CloseHandle(file);
        ++files;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return files;
}

std::size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

void DispatchFor(const std::function<bool()>& done)
{
    while (!done()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

} // namespace

int main()
{
    ScratchFolder library;
    const std::vector<std::wstring> words = MadeUpWords(6000);
    std::fprintf(stderr, "writing %d texts...\n", Artists * TextsPerArtist);
    std::size_t onDisk = 0;
    for (int artist = 0; artist < Artists; ++artist) {
        const std::wstring folder = MadeUpName(words, 2) + L" " + Number(artist, 4) + L"\\";
        for (int text = 0; text < TextsPerArtist; ++text) {
            const std::wstring album = artist % 4 == 0 ? L"Альбом " + std::to_wstring(text % 2) + L"\\" : L"";
            const std::string bytes = MadeUpText(words, (artist * TextsPerArtist + text) % 10 == 0);
            library.MakeFile(folder + album + MadeUpName(words, 2) + L" " + Number(text, 2) + L".txt", bytes);
            onDisk += bytes.size();
        }
    }

    // The window, opened once the way the user opens it, then typed into.
    Settings settings;
    settings.textsPath = library.Path();
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    const std::size_t before = PrivateBytes();
    auto find = std::make_unique<TFind>(GetModuleHandleW(nullptr), owner, settings, [](const std::wstring&) {});
    find->Show();
    DispatchFor([&] { return UnicodeWindowText(find->Status()).find(L"Текстов") == 0; });
    std::vector<double> keystrokes;
    for (int query = 0; query < 20; ++query) {
        SetWindowTextW(find->Query(), L"");
        const std::wstring typed = AnyWord(words) + L" " + AnyWord(words).substr(0, 3);
        for (const wchar_t key : typed)
            keystrokes.push_back(Time([&] {
                SendMessageW(find->Query(), WM_CHAR, key, 1);
                UpdateWindow(find->Results());
            }));
    }
    const std::size_t windowBytes = PrivateBytes() - before;
    find.reset();

    // The folder read the first time, in turns with the bare loop.
    std::vector<double> reads, bareReads;
    std::size_t bareFiles = 0, texts = 0;
    for (int round = 0; round < Rounds; ++round) {
        bareReads.push_back(Time([&] {
            bareFiles = 0;
            WIN32_FIND_DATAW artist;
            HANDLE artists = FindFirstFileW((library.Path() + L"*").c_str(), &artist);
            do
                if (std::wstring(artist.cFileName) != L"." && std::wstring(artist.cFileName) != L"..")
                    bareFiles += BareRead(library.Path() + artist.cFileName + L"\\", 1);
            while (FindNextFileW(artists, &artist));
            FindClose(artists);
        }));
        reads.push_back(Time([&] {
            FolderReader reader(library.Path(), owner, WM_APP);
            DispatchFor([&] { return reader.TakeProgress().finished; });
            texts = reader.WithIndex([](TextIndex& index) { return index.TextCount(); });
        }));
    }
    DestroyWindow(owner);
    std::printf("find_texts_on_disk_kb: %zu\n", onDisk / 1024);
    std::printf("find_texts: %zu\n", texts);
    std::printf("find_bare_read_files: %zu\n", bareFiles);
    std::printf("find_first_results_ms: %.3f\n", Median(keystrokes) * 1000);
    std::printf("find_read_folder_ms: %.1f\n", Median(reads) * 1000);
    std::printf("find_bare_read_ms: %.1f\n", Median(bareReads) * 1000);
    std::printf("find_read_vs_bare_read: %.3f\n", Median(reads) / Median(bareReads));
    std::printf("find_memory_kb: %zu\n", windowBytes / 1024);
    std::printf("find_memory_vs_disk: %.3f\n", static_cast<double>(windowBytes) / static_cast<double>(onDisk));
    return 0;
}
