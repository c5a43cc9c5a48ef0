#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "support/ScratchFolder.h"
#include "win/UniqueHandle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// A key press as the simulated player logs it.
std::vector<std::string> KeyPress(const char* window, unsigned key)
{
    std::vector<std::string> lines;
    for (const auto& [message, name] : {std::pair{WM_KEYDOWN, "WM_KEYDOWN"}, std::pair{WM_KEYUP, "WM_KEYUP"}}) {
        char line[96];
        std::snprintf(line, sizeof line, "%s 0x%04X %s wParam=0x%X lParam=0x0", window, message, name, key);
        lines.emplace_back(line);
    }
    return lines;
}

struct PlayerCommand {
    const char* name;
    UINT menuItem;
    UINT button;
    std::vector<std::string> keys;
};

const std::vector<PlayerCommand>& PlayerCommands()
{
    static const std::vector<PlayerCommand> commands = {
        {"previous", ID_MenuWinampPrev, ID_WinampPrev, KeyPress("main", 'Z')},
        {"play", ID_MenuWinampPlay, ID_WinampPlay, KeyPress("main", 'X')},
        {"next", ID_MenuWinampNext, ID_WinampNext, KeyPress("main", 'B')},
        {"five seconds back", ID_MenuWinampPrev5s, ID_WinampPrev5s, KeyPress("main", VK_LEFT)},
        {"pause", ID_MenuWinampPause, ID_WinampPause, KeyPress("main", 'C')},
        {"five seconds forward", ID_MenuWinampNext5s, ID_WinampNext5s, KeyPress("main", VK_RIGHT)},
        {"stop", ID_MenuWinampStop, ID_WinampStop, KeyPress("main", 'V')},
        {"open", ID_MenuWinampOpen, ID_WinampOpen, KeyPress("main", 'L')},
        {"jump", ID_MenuWinampJump, ID_WinampJump, KeyPress("main", 'J')},
        {"add", ID_MenuWinampAdd, ID_WinampAdd, KeyPress("editor", 'L')},
    };
    return commands;
}

// A key pressed with Ctrl held, as the message loop meets it; true when the
// window took it as a shortcut.
bool PressWithControl(TSonveraMain& window, HWND target, BYTE key)
{
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE pressed[256];
    std::memcpy(pressed, saved, sizeof pressed);
    pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
    SetKeyboardState(pressed);
    MSG message = {};
    message.hwnd = target;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    const bool taken = window.TranslateShortcut(message);
    SetKeyboardState(saved);
    return taken;
}

// The simulated player in a process of its own, shared by the tests of the
// suite, with its key log in a scratch folder.
class SimulatedPlayer {
public:
    SimulatedPlayer() : log_(scratch_.AnsiPath() + "keys.log")
    {
        char exe[MAX_PATH] = {};
        std::string commandLine(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
        commandLine.replace(commandLine.rfind('\\') + 1, std::string::npos, "SimPlayer.exe");
        commandLine = '"' + commandLine + "\" --no-clock --log \"" + log_ + '"';
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started = {};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started))
            return;
        process_.reset(started.hProcess);
        CloseHandle(started.hThread);
        // Another process's start is the one wait that messages cannot replace.
        for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(20))
            if ((window_ = FindWindowA("Winamp v1.x", nullptr)) && FindWindowA("Winamp PE", nullptr))
                break;
    }
    ~SimulatedPlayer()
    {
        if (window_)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        if (process_ && WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.get(), 1);
    }

    bool Running() const { return window_ != nullptr; }

    // The key messages logged since the last call. The player's windows share
    // one thread, whose posted messages arrive in order, so a marker posted
    // now comes after everything posted before it.
    std::vector<std::string> Received()
    {
        static const UINT sync = RegisterWindowMessageA("SimPlayer.Sync");
        PostMessageA(window_, sync, ++marks_, 0);
        char marker[96];
        std::snprintf(marker, sizeof marker, "main 0x%04X SimPlayer.Sync wParam=0x%X lParam=0x0", sync, marks_);
        std::vector<std::string> lines;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(10)) {
            lines.clear();
            std::ifstream file(log_, std::ios::binary);
            for (std::string line; std::getline(file, line);)
                lines.push_back(line.substr(0, line.find('\r')));
            if (!lines.empty() && lines.back() == marker)
                break;
        }
        if (lines.empty() || lines.back() != marker)
            return {"no marker"};
        std::vector<std::string> fresh(lines.begin() + static_cast<std::ptrdiff_t>(seen_), lines.end() - 1);
        seen_ = lines.size();
        return fresh;
    }

private:
    ScratchFolder scratch_;
    std::string log_;
    UniqueKernelHandle process_;
    HWND window_ = nullptr;
    unsigned marks_ = 0;
    std::size_t seen_ = 0;
};

} // namespace

class PlayerCommandsTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() { player = new SimulatedPlayer; }
    static void TearDownTestSuite() { delete player; }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(player->Running());
        player->Received();
    }

    static inline SimulatedPlayer* player = nullptr;
};

TEST_F(PlayerCommandsTest, MenuItemsAndButtonsReachThePlayer)
{
    WatchedMain& window = CreateMain();
    for (const PlayerCommand& command : PlayerCommands()) {
        SCOPED_TRACE(command.name);
        window.PerformMenuClick(command.menuItem);
        EXPECT_THAT(player->Received(), ElementsAreArray(command.keys));
        SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(command.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window.WinampButton(command.button)));
        EXPECT_THAT(player->Received(), ElementsAreArray(command.keys));
    }
}

TEST_F(PlayerCommandsTest, MenuItemsWorkWithThePanelHiddenAndItsButtonsDisabledButNotWhenDisabledThemselves)
{
    WatchedMain& window = CreateMain();
    ShowWindow(window.WinampCtrlPanel(), SW_HIDE);
    for (const PlayerCommand& command : PlayerCommands()) {
        SCOPED_TRACE(command.name);
        window.EnableButton(command.button, false);
        ASSERT_FALSE(window.IsButtonEnabled(command.button));
        window.PerformMenuClick(command.menuItem);
        EXPECT_THAT(player->Received(), ElementsAreArray(command.keys));
        window.EnableMenuItem(command.menuItem, false);
        window.PerformMenuClick(command.menuItem);
        EXPECT_THAT(player->Received(), IsEmpty());
    }
}

TEST_F(PlayerCommandsTest, TheNextCommandLooksForThePlayerGenerationSetThen)
{
    WatchedMain& window = CreateMain();
    settings.ampVer = 1;
    window.PerformMenuClick(ID_MenuWinampPlay);
    EXPECT_THAT(player->Received(), IsEmpty());
    settings.ampVer = 0;
    window.PerformMenuClick(ID_MenuWinampPlay);
    EXPECT_THAT(player->Received(), ElementsAreArray(KeyPress("main", 'X')));
}

TEST_F(PlayerCommandsTest, ShortcutsActAsTheirMenuItemsWhileTheWindowHasItsMenuBar)
{
    WatchedMain& window = CreateMain();
    ShowWindow(window.WinampCtrlPanel(), SW_HIDE);
    window.EnableButton(ID_WinampPause, false);
    const std::pair<BYTE, std::vector<std::string>> shortcuts[] = {
        {'W', KeyPress("main", 'C')},
        {'Q', KeyPress("main", VK_LEFT)},
        {'E', KeyPress("main", VK_RIGHT)},
    };
    for (const auto& [key, keys] : shortcuts) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(PressWithControl(window, window.Memo2(), key));
        EXPECT_THAT(player->Received(), ElementsAreArray(keys));
    }
    // Saving runs with nothing shown and the save button disabled.
    ASSERT_FALSE(window.IsButtonEnabled(ID_SaveText));
    EXPECT_TRUE(PressWithControl(window, window.Window(), 'S'));
    EXPECT_THAT(window.ran, ElementsAre("MenuSaveTextClick", "SaveTextClick"));

    // Without the menu bar, as in external-editor mode, no shortcut acts, and
    // the buttons still do.
    window.ran.clear();
    SetMenu(window.Window(), nullptr);
    for (const BYTE key : {'W', 'Q', 'E', 'S'})
        EXPECT_FALSE(PressWithControl(window, window.Memo2(), key));
    EXPECT_THAT(player->Received(), IsEmpty());
    EXPECT_THAT(window.ran, IsEmpty());
    window.PerformButtonClick(ID_WinampPause);
    EXPECT_THAT(player->Received(), ElementsAreArray(KeyPress("main", 'C')));
}
