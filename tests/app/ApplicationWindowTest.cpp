#include "app/AboutPanel.h"
#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"

#include <gtest/gtest.h>

TEST_F(MainWindowTest, TheProgramMinimisesAndRestoresThroughTheApplicationWindow)
{
    WatchedMain& window = CreateMain();
    ShowWindow(window.Window(), SW_SHOW);
    // The taskbar button comes with the main window.
    EXPECT_TRUE(IsWindowVisible(application->Window()));
    window.PerformMenuClick(ID_MenuSonveraInfo);
    const HWND about = window.AboutMe().Window();

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        SendMessageA(window.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        DispatchPendingMessages();
        EXPECT_TRUE(IsIconic(application->Window()));
        EXPECT_FALSE(IsWindowVisible(window.Window()));
        EXPECT_FALSE(IsWindowVisible(about));
        EXPECT_FALSE(IsIconic(window.Window()));

        // What a second start of the program does.
        ShowWindow(FindWindowA("TApplication", "Winamp Sonvera"), SW_RESTORE);
        DispatchPendingMessages();
        EXPECT_FALSE(IsIconic(application->Window()));
        EXPECT_TRUE(IsWindowVisible(window.Window()));
        EXPECT_TRUE(IsWindowVisible(about));
    }
}

TEST(ApplicationWindow, EndsTheMessageLoopWhenTheMainWindowCloses)
{
    ScratchMachineHive hive;
    Settings settings;
    TApplication application(GetModuleHandleA(nullptr));
    {
        TSonveraMain window(application, settings);
        // The taskbar button's "Close" closes the main window.
        SendMessageA(application.Window(), WM_CLOSE, 0, 0);
        MSG message;
        bool quit = false;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                quit = true;
            else
                DispatchMessageA(&message);
        }
        EXPECT_TRUE(quit);
        EXPECT_EQ(window.Window(), nullptr);
        EXPECT_TRUE(IsWindow(application.Window()));
    }
}
