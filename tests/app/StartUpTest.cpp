#include "app/MainWindowFixture.h"
#include "app/ProgramWindows.h"
#include "settings/SettingsKey.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"
#include "support/SonveraProcess.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The program's first screen, built as its entry point builds it.
TEST(StartUp, TheFirstRefreshHasShownThePlayingSongsTextBeforeAnyMessageIsHandled)
{
    ScratchMachineHive hive;
    ScriptedMessageBoxes boxes;
    ScratchFolder texts;
    texts.MakeFile(L"Северный Ветер\\Дорога домой.txt", Cp1251(L"Фонари"));
    hive.SetBinary(SettingsKeyPath, "TextsPath", REG_SZ, texts.AnsiPath() + '\0');
    ScratchFolder playerFolder;
    SimPlayerProcess player(playerFolder, {"--no-clock"});
    SetWindowTextA(player.MainWindow(), Cp1251(L"3. Северный Ветер - Дорога домой - Winamp").c_str());

    ProgramWindows windows(GetModuleHandleA(nullptr));
    windows.application.SetQuitWhenMainWindowCloses(false);
    EXPECT_EQ(WindowTextOf(windows.mainWindow.Memo2()), Cp1251(L"Фонари"));
    EXPECT_TRUE(IsWindowVisible(windows.mainWindow.Window()));
    EXPECT_TRUE(boxes.shown.empty());
}

// The real program, started as a user starts it, beside the test program.
class RealProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No player runs: the program reports that on its status line only.
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, SettingsKeyPath);
        const UniqueRegistryKey key = OpenSettingsKey();
        const DWORD on = 1;
        RegSetValueExA(key.get(), "SilentMode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    }
    void TearDown() override
    {
        for (const UniqueKernelHandle& process : started)
            TerminateProcess(process.get(), 1);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, SettingsKeyPath);
    }

    HANDLE Start()
    {
        started.push_back(StartSonveraExe().process);
        return started.back().get();
    }

    static HWND MainWindow() { return FindWindowA("TSonveraMain", nullptr); }
    static HWND ApplicationWindow() { return FindWindowA("TApplication", "Winamp Sonvera"); }

    static DWORD ExitCodeWithin(HANDLE process, DWORD milliseconds)
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &code);
        return code;
    }

    void Close(HANDLE process)
    {
        PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_EQ(ExitCodeWithin(process, 20000), 0u);
    }

    std::vector<UniqueKernelHandle> started;
};

TEST_F(RealProgramTest, ASecondStartRestoresTheFirstAndEndsWithoutAWindow)
{
    HANDLE first = Start();
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()); }));
    PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([] { return IsIconic(ApplicationWindow()) != FALSE; }));

    EXPECT_EQ(ExitCodeWithin(Start(), 20000), 0u);
    EXPECT_TRUE(WaitFor([] { return !IsIconic(ApplicationWindow()) && IsWindowVisible(MainWindow()); }));
    Close(first);
    // With the first gone, the next start is a first start again.
    HANDLE next = Start();
    EXPECT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()); }));
    Close(next);
}

TEST_F(RealProgramTest, TwentyStartsAtOnceLeaveOneProgramRunning)
{
    std::vector<HANDLE> processes;
    for (int start = 0; start < 20; ++start)
        processes.push_back(Start());
    // All but one end by themselves, with exit code 0; the one left runs on.
    const auto ended = [&processes] {
        std::vector<HANDLE> done;
        for (HANDLE process : processes)
            if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
                done.push_back(process);
        return done;
    };
    const DWORD start = GetTickCount();
    while (ended().size() < processes.size() - 1 && GetTickCount() - start < 60000)
        Sleep(50);
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()); }));
    const std::vector<HANDLE> done = ended();
    ASSERT_EQ(done.size(), processes.size() - 1);
    for (HANDLE process : done)
        EXPECT_EQ(ExitCodeWithin(process, 0), 0u);
    HANDLE running = nullptr;
    for (HANDLE process : processes)
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
            running = process;
    EXPECT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()); }));
    Close(running);
}

} // namespace
