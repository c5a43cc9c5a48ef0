#pragma once

#include "app/MainWindowFixture.h"
#include "settings/OptionsWindow.h"
#include "settings/SettingsStore.h"
#include "settings/SpinField.h"

#include <memory>

// The main window with the options window as its settings, as the program
// runs them: with the designed controls, or loaded from the scratch registry
// as at start-up, counting the first refreshes.
class OptionsWindowTest : public MainWindowTest {
protected:
    std::unique_ptr<TOptions> options;
    int firstRefreshes = 0;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        Start(false);
    }

    void TearDown() override
    {
        Stop();
        MainWindowTest::TearDown();
    }

    void Start(bool loadStored)
    {
        Stop();
        CreateMain();
        options = std::make_unique<TOptions>(GetModuleHandleA(nullptr), *main, [this, loadStored](TOptions& created) {
            main->UseSettings(created);
            if (loadStored)
                LoadSettings(created, [this] { ++firstRefreshes; });
        });
    }

    // Closes as the user does: the close handler stores the settings.
    void CloseMain()
    {
        main->SetCloseHandler([this] { SaveSettings(*options); });
        SendMessageA(main->Window(), WM_CLOSE, 0, 0);
    }

    void Stop()
    {
        if (main)
            main->UseSettings(settings);
        options.reset();
        main.reset();
    }

    // A click as the user makes it: the box changes, then tells its page.
    void Click(OptionId id)
    {
        SendMessageA(options->Control(id), BM_CLICK, 0, 0);
    }

    void TypeAndLeave(OptionId id, const char* text)
    {
        SpinField& spin = options->Spin(id);
        SetWindowTextA(spin.Edit(), text);
        SendMessageA(spin.Window(), WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(spin.Edit()));
    }
};
