// A stand-in for the media player, as far as another program can see it: its
// window classes and titles, its now-playing line and its keyboard shortcuts.
// Used by the tests and for trying the program out without the real player.

#include "PlayerState.h"
#include "PlayerWindow.h"
#include "PlaylistEditorWindow.h"
#include "win/CodePage.h"
#include "win/FileText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr char Usage[] =
    "usage: SimPlayer [options]\n"
    "  --studio                       main window class \"STUDIO\" and its title layout\n"
    "                                 (default: \"Winamp v1.x\")\n"
    "  --no-playlist-editor           no playlist editor window\n"
    "  --playlist-editor-title TEXT   the editor's title (default \"Winamp Playlist Editor\")\n"
    "  --playlist FILE                \"Artist - Title\" lines in cp1251 (default: built-in songs)\n"
    "  --play                         start playing the first song at once\n"
    "  --no-clock                     the position, and a scrolling title, move only when told to\n"
    "  --song-length SECONDS          every song lasts SECONDS (1 or more); at the end of one\n"
    "                                 the next plays, and after the last the first again\n"
    "  --scroll                       scroll the title as the player's taskbar option does, a\n"
    "                                 step every 200 ms (or per \"SimPlayer.Scroll\" message)\n"
    "  --title TEXT                   show TEXT as the main window's title, whatever plays\n"
    "  --log FILE                     append every key message received to FILE\n";

struct Options {
    bool studio = false;
    bool playlistEditor = true;
    std::string playlistEditorTitle = "Winamp Playlist Editor";
    std::string playlistFile;
    bool play = false;
    bool clockRuns = true;
    int songLength = 0;
    bool scroll = false;
    std::string title;
    std::string logFile;
};

// A whole number of seconds, from one up to a day.
bool ParseSeconds(const char* text, int& seconds)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > 24 * 60 * 60)
        return false;
    seconds = static_cast<int>(value);
    return true;
}

std::optional<Options> ParseOptions(int argc, char* argv[])
{
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string option = argv[index];
        const bool hasValue = index + 1 < argc;
        if (option == "--studio")
            options.studio = true;
        else if (option == "--no-playlist-editor")
            options.playlistEditor = false;
        else if (option == "--play")
            options.play = true;
        else if (option == "--no-clock")
            options.clockRuns = false;
        else if (option == "--scroll")
            options.scroll = true;
        else if (option == "--playlist-editor-title" && hasValue)
            options.playlistEditorTitle = argv[++index];
        else if (option == "--playlist" && hasValue)
            options.playlistFile = argv[++index];
        else if (option == "--title" && hasValue)
            options.title = argv[++index];
        else if (option == "--log" && hasValue)
            options.logFile = argv[++index];
        else if (option == "--song-length" && hasValue && ParseSeconds(argv[index + 1], options.songLength))
            ++index;
        else
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fputs(Usage, stderr);
        return 2;
    }

    std::vector<Song> songs = DefaultPlaylist();
    if (!options->playlistFile.empty()) {
        const std::optional<std::string> contents = ReadWholeFile(WideFromAnsi(options->playlistFile));
        if (!contents) {
            std::fprintf(stderr, "SimPlayer: cannot read %s\n", options->playlistFile.c_str());
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
    if (options->play)
        state.playback.Play();

    // The main window comes last: whoever finds it finds the whole player.
    HINSTANCE instance = GetModuleHandleA(nullptr);
    PlaylistEditorWindow editor(state, options->playlistEditorTitle);
    if (options->playlistEditor && !editor.Create(instance)) {
        std::fputs("SimPlayer: cannot create the playlist editor\n", stderr);
        return 1;
    }
    PlayerWindow player(state, options->studio ? "STUDIO" : "Winamp v1.x", options->clockRuns);
    if (!player.Create(instance)) {
        std::fputs("SimPlayer: cannot create the main window\n", stderr);
        return 1;
    }

    // No TranslateMessage: the player reacts to key-downs alone, and a
    // character message in the log can then only have come from outside.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
