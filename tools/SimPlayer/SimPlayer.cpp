// A stand-in for the media player, as far as another program can see it: its
// window classes and titles, its now-playing line, its keyboard shortcuts and
// its answers to where the song is.
// Used by the tests and for trying the program out without the real player.

#include "PlayerState.h"
#include "PlayerWindow.h"
#include "PlaylistEditorWindow.h"
#include "win/FileText.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char Usage[] =
    "usage: SimPlayer [options]\n"
    "  --studio                       main window class \"STUDIO\" and its title layout\n"
    "                                 (default: \"Winamp v1.x\")\n"
    "  --no-playlist-editor           no playlist editor window\n"
    "  --playlist-editor-title TEXT   the editor's title (default \"Winamp Playlist Editor\")\n"
    "  --playlist FILE                \"Artist - Title\" lines in cp1251, or UTF-8 or UTF-16 as the\n"
    "                                 program reads song texts (default: built-in songs)\n"
    "  --play                         start playing the first song at once\n"
    "  --no-clock                     the position, and a scrolling title, move only when told to;\n"
    "                                 a \"SimPlayer.SetPosition\" message puts a playing or paused\n"
    "                                 song at wParam ms\n"
    "  --no-position                  answer 1 to every WM_USER question, the version too, as a\n"
    "                                 player that does not speak them (default: the classic\n"
    "                                 player answers 0, 104, 105 and 106; the studio one never)\n"
    "  --song-length SECONDS          every song lasts SECONDS (1 or more); at the end of one\n"
    "                                 the next plays, and after the last the first again\n"
    "  --scroll                       scroll the title as the player's taskbar option does, a\n"
    "                                 step every 200 ms (or per \"SimPlayer.Scroll\" message)\n"
    "  --title TEXT                   show TEXT as the main window's title, whatever plays\n"
    "  --unicode                      Unicode windows, as Winamp 5 has: titles keep letters\n"
    "                                 cp1251 lacks (default: ANSI windows, titles in cp1251)\n"
    "  --log FILE                     append every key message received to FILE\n";

struct Options {
    bool studio = false;
    bool playlistEditor = true;
    std::wstring playlistEditorTitle = L"Winamp Playlist Editor";
    std::wstring playlistFile;
    bool play = false;
    bool clockRuns = true;
    bool speaksPosition = true;
    int songLength = 0;
    bool scroll = false;
    bool unicode = false;
    std::wstring title;
    std::wstring logFile;
};

// A whole number of seconds, from one up to a day.
bool ParseSeconds(const std::wstring& text, int& seconds)
{
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != L'\0' || value < 1 || value > 24 * 60 * 60)
        return false;
    seconds = static_cast<int>(value);
    return true;
}

std::optional<Options> ParseOptions(const std::vector<std::wstring>& arguments)
{
    Options options;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::wstring& option = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (option == L"--studio")
            options.studio = true;
        else if (option == L"--no-playlist-editor")
            options.playlistEditor = false;
        else if (option == L"--play")
            options.play = true;
        else if (option == L"--no-clock")
            options.clockRuns = false;
        else if (option == L"--no-position")
            options.speaksPosition = false;
        else if (option == L"--scroll")
            options.scroll = true;
        else if (option == L"--unicode")
            options.unicode = true;
        else if (option == L"--playlist-editor-title" && hasValue)
            options.playlistEditorTitle = arguments[++index];
        else if (option == L"--playlist" && hasValue)
            options.playlistFile = arguments[++index];
        else if (option == L"--title" && hasValue)
            options.title = arguments[++index];
        else if (option == L"--log" && hasValue)
            options.logFile = arguments[++index];
        else if (option == L"--song-length" && hasValue && ParseSeconds(arguments[index + 1], options.songLength))
            ++index;
        else
            return std::nullopt;
    }
    return options;
}

// The arguments as typed, wide: the C runtime's narrow ones lose every
// letter the ANSI code page lacks.
std::vector<std::wstring> WideArguments()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return {};
    std::vector<std::wstring> result(arguments, arguments + count);
    LocalFree(arguments);
    return result;
}

} // namespace

int main()
{
    const std::optional<Options> options = ParseOptions(WideArguments());
    if (!options) {
        std::fputs(Usage, stderr);
        return 2;
    }

    std::vector<Song> songs = DefaultPlaylist();
    if (!options->playlistFile.empty()) {
        const std::optional<std::string> contents = ReadWholeFile(options->playlistFile);
        if (!contents) {
            std::fprintf(stderr, "SimPlayer: cannot read %ls\n", options->playlistFile.c_str());
            return 3;
        }
        songs = ParsePlaylist(*contents);
    }

    PlayerState state{Playback(options->studio ? PlayerGeneration::Studio : PlayerGeneration::Classic, std::move(songs)),
                      KeyLog(options->logFile)};
    state.playback.SetFixedTitle(options->title);
    if (options->songLength > 0)
        state.playback.SetSongLength(options->songLength);
    state.scrolls = options->scroll;
    state.unicode = options->unicode;
    if (options->play)
        state.playback.Play();

    // The main window comes last: whoever finds it finds the whole player.
    HINSTANCE instance = GetModuleHandleA(nullptr);
    PlaylistEditorWindow editor(state, options->playlistEditorTitle);
    if (options->playlistEditor && !editor.Create(instance)) {
        std::fputs("SimPlayer: cannot create the playlist editor\n", stderr);
        return 1;
    }
    PlayerWindow player(state, options->studio ? "STUDIO" : "Winamp v1.x", options->clockRuns,
                        options->speaksPosition && !options->studio);
    if (!player.Create(instance)) {
        std::fputs("SimPlayer: cannot create the main window\n", stderr);
        return 1;
    }

    // No TranslateMessage: the player reacts to key-downs alone, and a
    // character message in the log can then only have come from outside.
    MSG message;
    if (options->unicode) {
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
    } else {
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
    }
    return 0;
}
