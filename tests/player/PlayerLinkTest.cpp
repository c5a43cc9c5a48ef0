#include "player/NowPlaying.h"
#include "player/PlayerLink.h"
#include "player/PlayerPosition.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"
#include "win/UniqueHandle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Brings `window` to the front and waits until the window system says so, to
// start a foreground check from a known state.
bool MakeForeground(HWND window)
{
    SetForegroundWindow(window);
    return WaitFor([window] { return GetForegroundWindow() == window; });
}

// Settings whose `AmpVer` answers with the next value of a script at every
// read, standing for a user who switches the generation in between.
class ScriptedAmpVer : public Settings {
public:
    explicit ScriptedAmpVer(std::vector<int> answers) : answers_(std::move(answers)) {}
    int AmpVer() const override { return answers_[std::min(next_++, answers_.size() - 1)]; }

private:
    std::vector<int> answers_;
    mutable std::size_t next_ = 0;
};

struct Command {
    const char* name;
    void (*run)(const SettingsSource&);
    unsigned key;
    const char* window;
    bool bringsPlayerToFront;
};

// The player's own shortcuts, as its documentation lists them.
const Command Commands[] = {
    {"previous", WinampPrevClick, 0x5A, "main", false},
    {"play", WinampPlayClick, 0x58, "main", false},
    {"next", WinampNextClick, 0x42, "main", false},
    {"5 s back", WinampPrev5sClick, 0x25, "main", false},
    {"pause", WinampPauseClick, 0x43, "main", false},
    {"5 s forward", WinampNext5sClick, 0x27, "main", false},
    {"stop", WinampStopClick, 0x56, "main", false},
    {"open", WinampOpenClick, 0x4C, "main", true},
    {"jump", WinampJumpClick, 0x4A, "main", true},
    {"add", WinampAddClick, 0x4C, "editor", true},
};

// Key messages that reached the test's own thread, where a post to a null
// window would land.
int KeyMessagesInOwnQueue()
{
    int count = 0;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0x0100, 0x0109, PM_REMOVE))
        ++count;
    return count;
}

class PlayerLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Give this thread its message queue, as the program's UI thread has one.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }

    ScratchFolder scratch;
};

} // namespace

TEST_F(PlayerLinkTest, EachCommandPostsItsKeyPressToTheWindowOfTheChosenGeneration)
{
    for (const int ampVer : {0, 1}) {
        SCOPED_TRACE("AmpVer " + std::to_string(ampVer));
        SimPlayerProcess player(scratch, ampVer == 0 ? std::vector<std::string>{} : std::vector<std::string>{"--studio"});
        Settings settings;
        settings.ampVer = static_cast<PlayerGeneration>(ampVer);
        ASSERT_EQ(FindPlayerWindow(settings), player.MainWindow());

        for (const Command& command : Commands) {
            SCOPED_TRACE(command.name);
            ASSERT_TRUE(MakeForeground(player.Editor()));

            command.run(settings);

            EXPECT_EQ(player.NewMessages(), KeyPress(command.window, command.key));
            const HWND expectedFront = command.bringsPlayerToFront ? player.MainWindow() : player.Editor();
            EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == expectedFront; }));
        }
    }
}

TEST_F(PlayerLinkTest, AddTakesOnlyAnEditorWithTheExactClassAndTitleButFrontsThePlayerAnyway)
{
    const std::vector<std::string> editorVariants[] = {
        {"--no-playlist-editor"},
        {"--playlist-editor-title", "Winamp Playlist"},
        {"--playlist-editor-title", "Winamp Playlist Editor - 3 items"},
    };
    for (const auto& options : editorVariants) {
        SCOPED_TRACE(options.back());
        SimPlayerProcess player(scratch, options);
        if (player.Editor()) {
            ASSERT_TRUE(MakeForeground(player.Editor()));
        }

        WinampAddClick(Settings{});

        EXPECT_TRUE(player.NewMessages().empty());
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == player.MainWindow(); }));
    }
}

TEST_F(PlayerLinkTest, WithoutAPlayerOfTheChosenGenerationNothingHappens)
{
    // A player of the other generation stands by to show that nothing strays to it.
    for (const int ampVer : {0, 1}) {
        SCOPED_TRACE("AmpVer " + std::to_string(ampVer));
        SimPlayerProcess other(scratch, ampVer == 0 ? std::vector<std::string>{"--studio", "--no-playlist-editor"}
                                             : std::vector<std::string>{"--no-playlist-editor"});
        Settings settings;
        settings.ampVer = static_cast<PlayerGeneration>(ampVer);
        ASSERT_EQ(FindPlayerWindow(settings), nullptr);
        ASSERT_TRUE(MakeForeground(other.MainWindow()));

        for (const Command& command : Commands)
            command.run(settings);

        EXPECT_TRUE(other.NewMessages().empty());
        EXPECT_EQ(KeyMessagesInOwnQueue(), 0);
        EXPECT_EQ(GetForegroundWindow(), other.MainWindow());
    }
}

TEST_F(PlayerLinkTest, TheGenerationIsLookedUpAgainBeforeEveryMessage)
{
    SimPlayerProcess classic(scratch, {});
    SimPlayerProcess studio(scratch, {"--studio", "--no-playlist-editor"});
    const HWND classicMain = classic.MainWindow();
    const HWND studioMain = studio.MainWindow();

    struct Case {
        const char* what;
        void (*run)(const SettingsSource&);
        std::vector<int> ampVerAnswers;
        std::vector<LoggedMessage> toClassic;
        std::vector<LoggedMessage> toStudio;
        HWND front; // nullptr: no foreground request
    };
    const Case cases[] = {
        {"play, classic", WinampPlayClick, {0}, KeyPress("main", 0x58), {}, nullptr},
        {"play right after switching to 1", WinampPlayClick, {1}, {}, KeyPress("main", 0x58), nullptr},
        {"any value but 0 is the studio player", WinampStopClick, {2}, {}, KeyPress("main", 0x56), nullptr},
        {"switch between key-down and key-up", WinampPlayClick, {0, 1},
         {KeyPress("main", 0x58)[0]}, {KeyPress("main", 0x58)[1]}, nullptr},
        {"switch before the foreground request", WinampOpenClick, {0, 0, 1}, KeyPress("main", 0x4C), {}, studioMain},
        {"add fronts the chosen generation", WinampAddClick, {1}, KeyPress("editor", 0x4C), {}, studioMain},
        {"add with the classic player", WinampAddClick, {0}, KeyPress("editor", 0x4C), {}, classicMain},
    };
    for (const Case& check : cases) {
        SCOPED_TRACE(check.what);
        ASSERT_TRUE(MakeForeground(classic.Editor()));

        check.run(ScriptedAmpVer(check.ampVerAnswers));

        EXPECT_EQ(classic.NewMessages(), check.toClassic);
        EXPECT_EQ(studio.NewMessages(), check.toStudio);
        const HWND front = check.front ? check.front : classic.Editor();
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == front; }));
    }
}

TEST_F(PlayerLinkTest, ReadsTheTitleByteForByteAndCutsItAt255Characters)
{
    const std::string letters =
        Cp1251(L"Ёлка и ёж - АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ абвгдежзийклмнопрстуфхцчшщъыьэюя №1 ");
    std::string longTitle;
    while (longTitle.size() < 300)
        longTitle += letters;

    const struct {
        std::string shown;
        std::string read;
    } cases[] = {
        {letters, letters},
        {longTitle.substr(0, 255), longTitle.substr(0, 255)},
        {longTitle.substr(0, 256), longTitle.substr(0, 255)},
        {longTitle, longTitle.substr(0, 255)},
        {longTitle.substr(40) + " *** " + longTitle, longTitle.substr(0, 255)},
    };
    for (const auto& check : cases) {
        SCOPED_TRACE(check.shown.size());
        SimPlayerProcess player(scratch, {"--no-playlist-editor", "--title", check.shown});
        const HWND window = FindPlayerWindow(Settings{});
        ASSERT_EQ(window, player.MainWindow());
        EXPECT_EQ(ReadPlayerTitle(window), FromCp1251(check.read));
    }
}

TEST_F(PlayerLinkTest, AUnicodePlayerKeepsEveryLetterOfItsTitleAndAnAnsiOneGivesItsCp1251Bytes)
{
    const std::wstring accented = L"2. Zoë Ångström - Ça déçoit (Æß) - Winamp";
    const std::wstring cyrillic = L"1. Ёлка и ёж - «Ёжик» №1 - Winamp";
    const struct {
        bool unicode;
        std::wstring shown;
        bool inCp1251;
    } cases[] = {
        {true, accented, false},
        {true, cyrillic, true},
        {false, cyrillic, true},
    };
    for (const auto& check : cases) {
        SCOPED_TRACE(Utf8(check.shown) + (check.unicode ? ", Unicode" : ", ANSI"));
        std::vector<std::wstring> options{L"--no-playlist-editor", L"--title", check.shown};
        if (check.unicode)
            options.push_back(L"--unicode");
        SimPlayerProcess player(SimPlayerProcess::Utf16{}, scratch, options);

        wchar_t wide[256] = {};
        GetWindowTextW(player.MainWindow(), wide, 256);
        EXPECT_EQ(std::wstring(wide), check.shown);
        char narrow[256] = {};
        GetWindowTextA(player.MainWindow(), narrow, sizeof narrow);
        if (check.inCp1251) {
            EXPECT_EQ(std::string(narrow), Cp1251(check.shown));
        }
    }
}

TEST_F(PlayerLinkTest, ThePlayerObeysTheKeysAndNamesTheSongTheWayTheProgramReadsIt)
{
    scratch.MakeFile(L"list.m3u", Cp1251(L"Серый Кит - Осенний перрон\r\nKestrow Lane - Paper Lanterns\r\n"));
    const std::string list = scratch.AnsiPath() + "list.m3u";
    const std::string first = Cp1251(L"1. Серый Кит - Осенний перрон");
    const std::string second = "2. Kestrow Lane - Paper Lanterns";

    const struct {
        int ampVer;
        std::vector<std::pair<void (*)(const SettingsSource&), std::string>> steps;
    } players[] = {
        {0,
         {{nullptr, "Winamp 2.91"},
          {WinampPlayClick, first + " - Winamp"},
          {WinampPauseClick, first + " - Winamp [Paused]"},
          {WinampNextClick, second + " - Winamp [Paused]"},
          {WinampStopClick, second + " - Winamp [Stopped]"}}},
        {1,
         {{nullptr, "Winamp3"},
          {WinampPlayClick, first + " (0:00/2:05) (Playing)"},
          {WinampNext5sClick, first + " (0:05/2:05) (Playing)"},
          {WinampPauseClick, first + " (0:05/2:05) (Paused)"},
          {WinampPrevClick, second + " (0:00/2:52) (Paused)"}}},
    };
    for (const auto& setup : players) {
        SCOPED_TRACE("AmpVer " + std::to_string(setup.ampVer));
        std::vector<std::string> options{"--playlist", list, "--no-clock"};
        if (setup.ampVer != 0)
            options.push_back("--studio");
        SimPlayerProcess player(scratch, options);
        Settings settings;
        settings.ampVer = static_cast<PlayerGeneration>(setup.ampVer);

        for (const auto& [command, title] : setup.steps) {
            if (command)
                command(settings);
            player.NewMessages();
            ASSERT_EQ(ReadPlayerTitle(FindPlayerWindow(settings)), FromCp1251(title));
        }
        NowPlayingSong song;
        ParseNowPlaying(ReadPlayerTitle(FindPlayerWindow(settings)), settings, song);
        EXPECT_EQ(song.SongArtist, L"Kestrow Lane");
        EXPECT_EQ(song.SongTitle, L"Paper Lanterns");
    }
}

TEST_F(PlayerLinkTest, ThePlayerTellsWhereTheSongIsAndAHungOneTellsNothingInTime)
{
    SimPlayerProcess player(scratch, {"--no-clock", "--play", "--no-playlist-editor"});
    const HWND main = player.MainWindow();
    const UINT setPosition = RegisterWindowMessageA("SimPlayer.SetPosition");
    using enum PlayerPlayback;
    const std::tuple<void (*)(const SettingsSource&), int, bool, PlayerPlayback, std::optional<int>> steps[] = {
        {WinampPlayClick, 61234, false, Playing, 61234}, {WinampPauseClick, 42001, true, Paused, 42001},
        {WinampPlayClick, 7, true, Playing, 7}, {WinampStopClick, 9000, false, Stopped, std::nullopt}};
    for (const auto& [key, ms, jump, playback, position] : steps) {
        key(Settings{});
        player.NewMessages();
        EXPECT_TRUE(jump ? JumpToPosition(main, ms) : SendMessageA(main, setPosition, ms, 0) == 0);
        EXPECT_EQ(std::tuple(SpeaksPositionMessages(main), PlaybackOf(main), PositionMsOf(main)),
                  std::tuple(true, playback, position));
    }
    for (const char* option : {"--studio", "--no-position"})
        EXPECT_FALSE(SpeaksPositionMessages(SimPlayerProcess(scratch, {option, "--no-playlist-editor"}).MainWindow()));
    const UniqueKernelHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(main, nullptr)));
    SuspendThread(thread.get());
    const DWORD start = GetTickCount();
    EXPECT_EQ(std::tuple(SpeaksPositionMessages(main), PlaybackOf(main), PositionMsOf(main), JumpToPosition(main, 0)),
              std::tuple(false, Unknown, std::optional<int>(), false));
    EXPECT_LT(GetTickCount() - start, 2000u);
}
