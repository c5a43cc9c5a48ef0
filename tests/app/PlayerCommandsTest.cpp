#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

struct PlayerCommand {
    const char* name;
    UINT menuItem;
    UINT button;
    std::vector<LoggedMessage> keys;
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

} // namespace

class PlayerCommandsTest : public MainWindowTest {
protected:
    // One player for the suite: a start under Wine takes seconds.
    static void SetUpTestSuite()
    {
        scratch = new ScratchFolder;
        player = new SimPlayerProcess(*scratch, {"--no-clock"});
    }
    static void TearDownTestSuite()
    {
        delete player;
        delete scratch;
    }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        player->NewMessages();
    }

    static inline ScratchFolder* scratch = nullptr;
    static inline SimPlayerProcess* player = nullptr;
};

TEST_F(PlayerCommandsTest, MenuItemsAndButtonsReachThePlayer)
{
    WatchedMain& window = CreateMain();
    for (const PlayerCommand& command : PlayerCommands()) {
        SCOPED_TRACE(command.name);
        window.PerformMenuClick(command.menuItem);
        EXPECT_THAT(player->NewMessages(), ElementsAreArray(command.keys));
        SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(command.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window.WinampButton(command.button)));
        EXPECT_THAT(player->NewMessages(), ElementsAreArray(command.keys));
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
        EXPECT_THAT(player->NewMessages(), ElementsAreArray(command.keys));
        window.EnableMenuItem(command.menuItem, false);
        window.PerformMenuClick(command.menuItem);
        EXPECT_THAT(player->NewMessages(), IsEmpty());
    }
}

TEST_F(PlayerCommandsTest, TheNextCommandLooksForThePlayerGenerationSetThen)
{
    WatchedMain& window = CreateMain();
    settings.ampVer = PlayerGeneration::Winamp3;
    window.PerformMenuClick(ID_MenuWinampPlay);
    EXPECT_THAT(player->NewMessages(), IsEmpty());
    settings.ampVer = PlayerGeneration::Winamp2;
    window.PerformMenuClick(ID_MenuWinampPlay);
    EXPECT_THAT(player->NewMessages(), ElementsAreArray(KeyPress("main", 'X')));
}

TEST_F(PlayerCommandsTest, ShortcutsActAsTheirMenuItemsWhileTheWindowHasItsMenuBar)
{
    WatchedMain& window = CreateMain();
    ShowWindow(window.WinampCtrlPanel(), SW_HIDE);
    window.EnableButton(ID_WinampPause, false);
    const std::pair<BYTE, std::vector<LoggedMessage>> shortcuts[] = {
        {'W', KeyPress("main", 'C')},
        {'Q', KeyPress("main", VK_LEFT)},
        {'E', KeyPress("main", VK_RIGHT)},
    };
    for (const auto& [key, keys] : shortcuts) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(PressWithControl(window, window.Memo2(), key));
        EXPECT_THAT(player->NewMessages(), ElementsAreArray(keys));
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
    EXPECT_THAT(player->NewMessages(), IsEmpty());
    EXPECT_THAT(window.ran, IsEmpty());
    window.PerformButtonClick(ID_WinampPause);
    EXPECT_THAT(player->NewMessages(), ElementsAreArray(KeyPress("main", 'C')));
}
