#pragma once

#include "app/MainWindowFixture.h"
#include "settings/OptionsWindow.h"
#include "settings/SpinField.h"

#include <memory>

// The main window with the options window as a view of its settings, as the
// program opens it.
class OptionsWindowTest : public MainWindowTest {
protected:
    std::unique_ptr<TOptions> options;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateMain();
        options = std::make_unique<TOptions>(GetModuleHandleA(nullptr), main->Window(), settings, *main);
    }

    void TearDown() override
    {
        options.reset();
        MainWindowTest::TearDown();
    }

    // A click as the user makes it: the box changes, then tells its page.
    void Click(OptionId id) { SendMessageA(options->Control(id), BM_CLICK, 0, 0); }

    bool IsChecked(OptionId id) { return SendMessageA(options->Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void TypeAndLeave(OptionId id, const char* text)
    {
        SpinField& spin = options->Spin(id);
        SetWindowTextA(spin.Edit(), text);
        SendMessageA(spin.Window(), WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(spin.Edit()));
    }
};
