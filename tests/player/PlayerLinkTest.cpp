#include "player/NowPlaying.h"
#include "player/PlayerLink.h"
#include "settings/SettingsSource.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
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

// Process start-up under Wine can be slow on a cold machine; everything else
// is a posted message and takes milliseconds.
constexpr DWORD StartTimeoutMs = 20000;
constexpr DWORD ArrivalTimeoutMs = 5000;

constexpr unsigned KeyDown = 0x0100;
constexpr unsigned KeyUp = 0x0101;

// One line of the simulated player's key log.
struct LoggedMessage {
    std::string window; // "main" or "editor"
    unsigned message = 0;
    std::string name;
    unsigned long long wParam = 0;
    unsigned long long lParam = 0;
    bool operator==(const LoggedMessage&) const = default;
};

void PrintTo(const LoggedMessage& logged, std::ostream* out)
{
    *out << logged.window << ' ' << logged.name << " wParam=0x" << std::hex << logged.wParam << " lParam=0x" << logged.lParam
         << std::dec;
}

std::vector<LoggedMessage> KeyPress(const std::string& window, unsigned key)
{
    return {{window, KeyDown, "WM_KEYDOWN", key, 0}, {window, KeyUp, "WM_KEYUP", key, 0}};
}

bool WaitFor(const auto& condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ArrivalTimeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

// Brings `window` to the front and waits until the window system says so, to
// start a foreground check from a known state.
bool MakeForeground(HWND window)
{
    SetForegroundWindow(window);
    return WaitFor([window] { return GetForegroundWindow() == window; });
}

// Any SimPlayer still running when the test program dies goes with it.
HANDLE KillOnCloseJob()
{
    static const UniqueKernelHandle job = [] {
        UniqueKernelHandle created(CreateJobObjectA(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (created)
            SetInformationJobObject(created.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job.get();
}

// The simulated player in a process of its own, with its key log in a scratch
// folder; terminated when the object goes, whatever the test's outcome.
class SimPlayer {
public:
    SimPlayer(const ScratchFolder& scratch, const std::vector<std::string>& options)
    {
        static int serial = 0;
        logPath_ = scratch.AnsiPath() + "keys-" + std::to_string(++serial) + ".log";

        char exe[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string commandLine(exe, length);
        commandLine.replace(commandLine.rfind('\\') + 1, std::string::npos, "SimPlayer.exe");
        commandLine = '"' + commandLine + "\" --log \"" + logPath_ + '"';
        for (const std::string& option : options)
            commandLine += " \"" + option + '"';

        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                            &startup, &process))
            throw std::runtime_error("cannot start SimPlayer.exe");
        process_.reset(process.hProcess);
        processId_ = process.dwProcessId;
        AssignProcessToJobObject(KillOnCloseJob(), process.hProcess);
        ResumeThread(process.hThread);
        CloseHandle(process.hThread);

        // The player shows its main window last, so the editor exists by then.
        const DWORD start = GetTickCount();
        while (!(main_ = OwnWindow("Winamp v1.x")) && !(main_ = OwnWindow("STUDIO"))) {
            if (GetTickCount() - start > StartTimeoutMs || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0)
                throw std::runtime_error("SimPlayer.exe showed no main window");
            Sleep(20);
        }
        editor_ = OwnWindow("Winamp PE");
        // Once a message has come round, the player has shown its windows and
        // waits for input, so its own start-up no longer moves the foreground.
        NewMessages();
    }

    SimPlayer(const SimPlayer&) = delete;
    SimPlayer& operator=(const SimPlayer&) = delete;

    HWND MainWindow() const { return main_; }
    HWND Editor() const { return editor_; }

    // What the player logged since the last call. A marker posted behind
    // everything posted so far shows that nothing more is on its way: both
    // windows share one thread, whose posted messages arrive in order.
    std::vector<LoggedMessage> NewMessages()
    {
        static const UINT sync = RegisterWindowMessageA("SimPlayer.Sync");
        const unsigned long long marker = ++syncSerial_;
        PostMessageA(main_, sync, static_cast<WPARAM>(marker), 0);

        std::vector<LoggedMessage> logged;
        auto markerIt = logged.end();
        WaitFor([&] {
            logged = ReadLog();
            markerIt = std::find_if(logged.begin() + static_cast<std::ptrdiff_t>(std::min(seen_, logged.size())),
                                    logged.end(), [marker](const LoggedMessage& line) {
                                        return line.name == "SimPlayer.Sync" && line.wParam == marker;
                                    });
            return markerIt != logged.end();
        });
        if (markerIt == logged.end())
            throw std::runtime_error("SimPlayer did not take the sync marker in time");
        std::vector<LoggedMessage> fresh(logged.begin() + static_cast<std::ptrdiff_t>(seen_), markerIt);
        seen_ = static_cast<std::size_t>(markerIt - logged.begin()) + 1;
        return fresh;
    }

private:
    struct WindowSearch {
        DWORD processId;
        const char* className;
        HWND found;
    };

    static BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
    {
        auto& search = *reinterpret_cast<WindowSearch*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner != search.processId || std::string(name) != search.className)
            return TRUE;
        search.found = window;
        return FALSE;
    }

    HWND OwnWindow(const char* className) const
    {
        WindowSearch search{processId_, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    std::vector<LoggedMessage> ReadLog() const
    {
        std::vector<LoggedMessage> logged;
        UniqueFileHandle file(CreateFileA(logPath_.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return logged;
        std::string text(GetFileSize(file.get(), nullptr), '\0');
        DWORD read = 0;
        ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
        text.resize(read);
        // Only complete lines: the player may be halfway through one.
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            char window[16] = {};
            char name[40] = {};
            LoggedMessage line;
            if (std::sscanf(text.c_str() + start, "%15s 0x%x %39s wParam=0x%llx lParam=0x%llx", window, &line.message,
                            name, &line.wParam, &line.lParam) != 5)
                throw std::runtime_error("unreadable key log line: " + text.substr(start, end - start));
            line.window = window;
            line.name = name;
            logged.push_back(std::move(line));
        }
        return logged;
    }

    // Ends the process also when the constructor gives up half-way.
    struct RunningProcess : UniqueKernelHandle {
        RunningProcess() = default;
        RunningProcess(const RunningProcess&) = delete;
        RunningProcess& operator=(const RunningProcess&) = delete;
        ~RunningProcess()
        {
            if (!*this)
                return;
            TerminateProcess(get(), 1);
            WaitForSingleObject(get(), StartTimeoutMs);
        }
    };

    RunningProcess process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
    std::string logPath_;
    std::size_t seen_ = 0;
    unsigned long long syncSerial_ = 0;
};

// Settings whose `AmpVer` answers with the next value of a script at every
// read, standing for a user who switches the generation in between.
class ScriptedAmpVer : public FixedSettings {
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
        SimPlayer player(scratch, ampVer == 0 ? std::vector<std::string>{} : std::vector<std::string>{"--studio"});
        FixedSettings settings;
        settings.ampVer = ampVer;
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
        SimPlayer player(scratch, options);
        if (player.Editor()) {
            ASSERT_TRUE(MakeForeground(player.Editor()));
        }

        WinampAddClick(FixedSettings{});

        EXPECT_TRUE(player.NewMessages().empty());
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == player.MainWindow(); }));
    }
}

TEST_F(PlayerLinkTest, WithoutAPlayerOfTheChosenGenerationNothingHappens)
{
    // A player of the other generation stands by to show that nothing strays to it.
    for (const int ampVer : {0, 1}) {
        SCOPED_TRACE("AmpVer " + std::to_string(ampVer));
        SimPlayer other(scratch, ampVer == 0 ? std::vector<std::string>{"--studio", "--no-playlist-editor"}
                                             : std::vector<std::string>{"--no-playlist-editor"});
        FixedSettings settings;
        settings.ampVer = ampVer;
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
    SimPlayer classic(scratch, {});
    SimPlayer studio(scratch, {"--studio", "--no-playlist-editor"});
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
    };
    for (const auto& check : cases) {
        SCOPED_TRACE(check.shown.size());
        SimPlayer player(scratch, {"--no-playlist-editor", "--title", check.shown});
        const HWND window = FindPlayerWindow(FixedSettings{});
        ASSERT_EQ(window, player.MainWindow());
        EXPECT_EQ(ReadPlayerTitle(window), check.read);
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
        SimPlayer player(scratch, options);
        FixedSettings settings;
        settings.ampVer = setup.ampVer;

        for (const auto& [command, title] : setup.steps) {
            if (command)
                command(settings);
            player.NewMessages();
            ASSERT_EQ(ReadPlayerTitle(FindPlayerWindow(settings)), title);
        }
        NowPlayingSong song;
        ParseNowPlaying(ReadPlayerTitle(FindPlayerWindow(settings)), settings, song);
        EXPECT_EQ(song.SongArtist, "Kestrow Lane");
        EXPECT_EQ(song.SongTitle, "Paper Lanterns");
    }
}
