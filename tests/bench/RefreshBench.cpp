// Measures a whole refresh that shows a found 200-line text against its two
// real costs, the search and one WM_SETTEXT of the same text, a timer tick
// whose player line has not changed, and showing a 200-line text saved as
// UTF-8 against the same text in code page 1251, and moving the highlight of a
// followed 200-line timed text to its next line, hidden and on screen.
// Prints "name: value" lines.
#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "bench/BenchLibrary.h"
#include "bench/BenchTiming.h"
#include "editing/TextSaving.h"
#include "lookup/TextSearch.h"
#include "player/NowPlaying.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchRegistry.h"
#include "win/FileText.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int TextLines = 200;
constexpr int Rounds = 61;
constexpr int Ticks = 1000;

std::string SongText()
{
    std::string text;
    for (int line = 0; line < TextLines; ++line)
        text += line % 9 == 8 ? "\r\n" : "Needles in the haystack, line " + std::to_string(line) + " of the song\r\n";
    return text;
}

std::wstring CyrillicSongText()
{
    std::wstring text;
    for (int line = 0; line < TextLines; ++line)
        text += line % 9 == 8 ? L"\r\n" : L"Под небом голубым есть город золотой, строка " + std::to_wstring(line) + L"\r\n";
    return text;
}

// Where the player's song is, as the player answers it.
int playerPositionMs = 0;

LRESULT CALLBACK PlayerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_USER)
        return DefWindowProcA(window, message, wParam, lParam);
    return lParam == 0 ? 0x2091 : lParam == 104 ? 1 : lParam == 105 ? playerPositionMs : 1;
}

} // namespace

int main()
{
    const ScratchMachineHive hive;
    ScratchFolder library;
    std::fprintf(stderr, "building %d x %d texts...\n", Albums, SongsPerAlbum);
    const std::string text = SongText();
    BuildArtist(library, text);

    // The player: a window of its class in this process, playing the needle.
    WNDCLASSA playerClass{};
    playerClass.lpfnWndProc = PlayerProcedure;
    playerClass.hInstance = GetModuleHandleA(nullptr);
    playerClass.lpszClassName = "Winamp v1.x";
    RegisterClassA(&playerClass);
    HWND player = CreateWindowA("Winamp v1.x", "50. Artist - Needle in the Haystack - Winamp", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

    Settings settings;
    settings.textsPath = library.Path();
    TApplication application(GetModuleHandleA(nullptr));
    TSonveraMain main(application, settings);
    const NowPlayingSong song{L"Artist", L"Needle in the Haystack"};

    std::vector<double> refreshes;
    std::vector<double> parts;
    for (int round = 0; round < Rounds; ++round) {
        refreshes.push_back(Time([&] { main.MenuRefreshClick(main.Window()); }));
        parts.push_back(Time([&] {
            CandidateList candidates;
            SearchTexts(song, settings, candidates);
            SetWindowTextA(main.Memo2(), text.c_str());
        }));
    }
    const double tick = Time([&] {
        for (int index = 0; index < Ticks; ++index)
            main.Timer1Timer(main.Window());
    });
    const double refresh = Median(refreshes);
    const double part = Median(parts);
    std::printf("refresh_shows: %ls\n", main.StatusText().c_str());
    std::printf("refresh_ms: %.3f\n", refresh * 1000);
    std::printf("search_and_settext_ms: %.3f\n", part * 1000);
    std::printf("refresh_vs_parts: %.3f\n", refresh / part);
    std::printf("timer_tick_unchanged_us: %.1f\n", tick / Ticks * 1e6);

    const ScratchFolder encodings;
    encodings.MakeFile(L"cp1251.txt", Cp1251(CyrillicSongText()));
    encodings.MakeFile(L"utf8.txt", Utf8(CyrillicSongText()));
    // Reading a file and putting its text in the text area, as a refresh
    // shows it; in turns, so that a busy machine slows both alike.
    std::vector<double> cp1251Times, utf8Times;
    for (int round = 0; round < Rounds; ++round) {
        cp1251Times.push_back(Time([&] { ShowFileText(main.Text(), *ReadWholeFile(encodings.Path() + L"cp1251.txt")); }));
        utf8Times.push_back(Time([&] { ShowFileText(main.Text(), *ReadWholeFile(encodings.Path() + L"utf8.txt")); }));
    }
    const double cp1251 = Median(cp1251Times);
    const double utf8 = Median(utf8Times);
    std::printf("cp1251_load_ms: %.3f\n", cp1251 * 1000);
    std::printf("utf8_load_ms: %.3f\n", utf8 * 1000);
    std::printf("utf8_load_vs_cp1251_load: %.3f\n", utf8 / cp1251);
    // A timed twin of the needle: a line a second, each look one line on.
    {
        std::string timed;
        for (int line = 0; line < TextLines; ++line)
            timed += "[" + std::to_string(line / 60) + ":" + (line % 60 < 10 ? "0" : "") + std::to_string(line % 60) +
                     ".00]Needles in the haystack, line " + std::to_string(line) + " of the song\r\n";
        library.MakeFile(L"Artist\\Album 025\\50 - Needle in the Haystack.lrc", timed);
    }
    playerPositionMs = 0;
    main.MenuRefreshClick(main.Window());
    std::vector<double> lineChanges;
    for (int line = 1; line < TextLines; ++line) {
        playerPositionMs = line * 1000 + 10;
        lineChanges.push_back(Time([&] { main.Refresh().FollowTimer(); }));
    }
    std::printf("line_change_us: %.1f\n", Median(lineChanges) * 1e6);
    // The same on screen, painted: processor time, as the window server's
    // share of the painting is not this process's.
    ShowWindow(main.Window(), SW_SHOWNORMAL);
    playerPositionMs = 0;
    main.Refresh().FollowTimer();
    UpdateWindow(main.Memo2());
    const double processorBefore = ProcessorSeconds();
    for (int line = 1; line < TextLines; ++line) {
        playerPositionMs = line * 1000 + 10;
        main.Refresh().FollowTimer();
        UpdateWindow(main.Memo2());
    }
    std::printf("line_change_painted_cpu_us: %.1f\n", (ProcessorSeconds() - processorBefore) / (TextLines - 1) * 1e6);
    DestroyWindow(player);
    return 0;
}
