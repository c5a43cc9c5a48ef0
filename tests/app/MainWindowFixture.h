#pragma once

#include "app/ApplicationWindow.h"
#include "app/SonveraMain.h"
#include "settings/Settings.h"
#include "support/ScratchRegistry.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The main window with its click handlers watched: each records its name and
// then does what it does in the program.
class WatchedMain : public TSonveraMain {
public:
    using TSonveraMain::TSonveraMain;

    std::vector<std::string> ran;

    void MenuRefreshClick(HWND s) override { ran.emplace_back("MenuRefreshClick"); TSonveraMain::MenuRefreshClick(s); }
    void MenuClearClick(HWND s) override { ran.emplace_back("MenuClearClick"); TSonveraMain::MenuClearClick(s); }
    void MenuNextClick(HWND s) override { ran.emplace_back("MenuNextClick"); TSonveraMain::MenuNextClick(s); }
    void MenuSaveTextClick(HWND s) override { ran.emplace_back("MenuSaveTextClick"); TSonveraMain::MenuSaveTextClick(s); }
    void MenuTrimClick(HWND s) override { ran.emplace_back("MenuTrimClick"); TSonveraMain::MenuTrimClick(s); }
    void MenuNormClick(HWND s) override { ran.emplace_back("MenuNormClick"); TSonveraMain::MenuNormClick(s); }
    void MenuWinampPlayClick(HWND s) override { ran.emplace_back("MenuWinampPlayClick"); TSonveraMain::MenuWinampPlayClick(s); }
    void MenuOptionsClick(HWND s) override { ran.emplace_back("MenuOptionsClick"); TSonveraMain::MenuOptionsClick(s); }
    void MenuArtistInfoClick(HWND s) override { ran.emplace_back("MenuArtistInfoClick"); TSonveraMain::MenuArtistInfoClick(s); }
    void ButtRefreshClick(HWND s) override { ran.emplace_back("ButtRefreshClick"); TSonveraMain::ButtRefreshClick(s); }
    void ButtTrimClick(HWND s) override { ran.emplace_back("ButtTrimClick"); TSonveraMain::ButtTrimClick(s); }
    void ButtNormClick(HWND s) override { ran.emplace_back("ButtNormClick"); TSonveraMain::ButtNormClick(s); }
    void ButtNextClick(HWND s) override { ran.emplace_back("ButtNextClick"); TSonveraMain::ButtNextClick(s); }
    void ButtInfoClick(HWND s) override { ran.emplace_back("ButtInfoClick"); TSonveraMain::ButtInfoClick(s); }
    void SaveTextClick(HWND s) override { ran.emplace_back("SaveTextClick"); TSonveraMain::SaveTextClick(s); }
    void ButtOptionsClick(HWND s) override { ran.emplace_back("ButtOptionsClick"); TSonveraMain::ButtOptionsClick(s); }
    void WinampPlayClick(HWND s) override { ran.emplace_back("WinampPlayClick"); TSonveraMain::WinampPlayClick(s); }

};

// Runs what has been posted to this thread's windows.
inline void DispatchPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Runs what arrives for this thread's windows until `done` says so, or for
// at most `timeoutMs`; whether it did.
inline bool DispatchUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        DispatchPendingMessages();
    }
    return true;
}

// A key pressed with Ctrl held, as the message loop meets it; true when the
// window took it as a shortcut.
bool PressWithControl(TSonveraMain& window, HWND target, BYTE key);

// A fresh application window and main window per test, reading a scratch
// machine hive and answering message boxes by script.
class MainWindowTest : public ::testing::Test {
protected:
    ScratchMachineHive hive;
    ScriptedMessageBoxes boxes;
    Settings settings;
    std::unique_ptr<TApplication> application;
    std::unique_ptr<WatchedMain> main;

    void SetUp() override
    {
        application = std::make_unique<TApplication>(GetModuleHandleA(nullptr));
        application->SetQuitWhenMainWindowCloses(false);
    }

    void TearDown() override
    {
        main.reset();
        application.reset();
        DispatchPendingMessages();
    }

    WatchedMain& CreateMain()
    {
        main.reset();
        main = std::make_unique<WatchedMain>(*application, settings);
        return *main;
    }

};


std::string WindowTextOf(HWND window);
std::string ClassNameOf(HWND window);
RECT WindowBounds(HWND window);
// `window`'s rectangle in its parent's client coordinates.
RECT BoundsInParent(HWND window);
