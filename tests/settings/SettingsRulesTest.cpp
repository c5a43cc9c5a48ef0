#include "settings/Settings.h"
#include "settings/SettingsRules.h"
#include "support/FakeMainWindowLook.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Part = MainWindowLook::Part;

// Sets one option as the options window does, then applies its rule.
template <typename Field>
void Change(Settings& settings, FakeMainWindowLook& look, Field Settings::*field, Field value, OptionId option)
{
    settings.*field = value;
    ApplySettingChange(settings, option, &look);
}

TEST(SettingsRulesTest, BarsFollowTheirBoxesAndTheWindowGrowsOnlyWhereTheModeSays)
{
    struct Case {
        bool Settings::*box;
        OptionId option;
        Part part;
        ClientSize textViewChange;
        std::optional<ClientSize> editorModeChange;  // none: the box cannot change there
    };
    const Case cases[] = {
        {&Settings::showToolBar, ShowToolBarId, Part::ToolBar, {0, 29}, std::nullopt},
        {&Settings::showStatusBar, ShowStatusBarId, Part::StatusLine, {0, 19}, ClientSize{0, 19}},
        {&Settings::showAnT, ShowAnTId, Part::Label, {0, 0}, ClientSize{0, 20}},
        {&Settings::controlWinamp, ControlWinampId, Part::PlayerPanel, {0, 0}, ClientSize{78, 0}},
    };
    for (const bool editorMode : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.option << (editorMode ? " in external-editor mode" : ""));
            if (editorMode && !c.editorModeChange)
                continue;
            Settings settings;
            FakeMainWindowLook look;
            if (editorMode)
                Change(settings, look, &Settings::openByShell, true, OpenByShellId);
            const ClientSize before = look.window;
            const ClientSize change = editorMode ? *c.editorModeChange : c.textViewChange;
            Change(settings, look, c.box, false, c.option);
            EXPECT_FALSE(look.IsPartShown(c.part));
            EXPECT_EQ(look.window, (ClientSize{before.width - change.width, before.height - change.height}));
            Change(settings, look, c.box, true, c.option);
            EXPECT_TRUE(look.IsPartShown(c.part));
            EXPECT_EQ(look.window, before);
        }
    }
}

TEST(SettingsRulesTest, ExternalEditorModeShrinksTheWindowToItsToolbarAndLeavingRestoresItExactly)
{
    Settings settings;
    FakeMainWindowLook look;
    Change(settings, look, &Settings::anTFontSize, 14, AnTFontSizeId);
    Change(settings, look, &Settings::showStatusBar, false, ShowStatusBarId);
    Change(settings, look, &Settings::showAnT, false, ShowAnTId);
    Change(settings, look, &Settings::showToolBar, false, ShowToolBarId);
    const ClientSize textView = look.window;

    Change(settings, look, &Settings::openByShell, true, OpenByShellId);
    EXPECT_TRUE(settings.showToolBar && look.IsPartShown(Part::ToolBar)) << "the toolbar is all there is";
    EXPECT_EQ(settings.geometry.width, textView.width);
    EXPECT_EQ(settings.geometry.height, textView.height + 29) << "the size kept is the one with the toolbar back";
    // Seven buttons of 20 pixels and two of border, the player panel; the toolbar and two pixels of edge.
    EXPECT_EQ(look.ClientArea(), (ClientSize{142 + 78, 29 + 2}));
    EXPECT_TRUE(look.toolFrame);
    EXPECT_FALSE(look.textView || look.textCommands);
    EXPECT_EQ(look.labelPoints, 10);
    EXPECT_EQ(settings.AnTFontSize(), 10);
    EXPECT_EQ(settings.anTFontSize, 14) << "the user's size is kept";
    for (OptionId id : {MemoFontSizeId, AutoSaveId, LengthIsWidthId, MaxLabelId, MaxMemoWidthId, MinMemoWidthId,
                        UseAnTWidthId, FontBoxId, AutoTrimId, AnTFontSizeId, ShowToolBarId})
        EXPECT_FALSE(settings.IsEnabled(id)) << id;
    EXPECT_TRUE(settings.IsEnabled(IamawriterId) && settings.IsEnabled(ClosePadsId));

    Change(settings, look, &Settings::openByShell, false, OpenByShellId);
    EXPECT_EQ(look.window, (ClientSize{textView.width, textView.height + 29}));
    EXPECT_FALSE(look.toolFrame);
    EXPECT_TRUE(look.textView && look.textCommands);
    EXPECT_EQ(look.labelPoints, 14);
    for (OptionId id : {MemoFontSizeId, AutoSaveId, LengthIsWidthId, MaxMemoWidthId, MinMemoWidthId, FontBoxId,
                        ShowToolBarId, UseAnTWidthId})
        EXPECT_TRUE(settings.IsEnabled(id)) << id << ": leaving the mode enables them whatever governs them";
    EXPECT_FALSE(settings.IsEnabled(AnTFontSizeId)) << "the label is hidden";
    EXPECT_FALSE(settings.IsEnabled(IamawriterId) || settings.IsEnabled(ClosePadsId));
}

TEST(SettingsRulesTest, AtOneAndAHalfTheSizeKeptForTheModeIsStoredInDesignUnits)
{
    Settings settings;
    FakeMainWindowLook look;
    look.scale = DisplayScale(144);
    look.window = {450, 601};
    Change(settings, look, &Settings::openByShell, true, OpenByShellId);
    EXPECT_EQ(settings.geometry.width, 300);
    EXPECT_EQ(settings.geometry.height, 401);
    Change(settings, look, &Settings::openByShell, false, OpenByShellId);
    EXPECT_EQ(look.window, (ClientSize{450, 602})) << "a pixel that no design unit holds rounds";
}

TEST(SettingsRulesTest, EnabledStatesFollowTheBoxesThatGovernThem)
{
    Settings settings;
    FakeMainWindowLook look;
    EXPECT_FALSE(settings.IsEnabled(UseAnTWidthId)) << "as designed, until the width box is first changed";

    Change(settings, look, &Settings::refreshOnTimer, true, RefreshOnTimerId);
    EXPECT_TRUE(settings.IsEnabled(RefreshIntervalId) && look.timer);
    Change(settings, look, &Settings::refreshOnTimer, false, RefreshOnTimerId);
    EXPECT_FALSE(settings.IsEnabled(RefreshIntervalId) || look.timer);

    Change(settings, look, &Settings::lengthIsWidth, true, LengthIsWidthId);
    EXPECT_FALSE(look.wordWrap);
    EXPECT_TRUE(settings.IsEnabled(MinMemoWidthId) && settings.IsEnabled(MaxMemoWidthId) &&
                settings.IsEnabled(UseAnTWidthId));
    Change(settings, look, &Settings::lengthIsWidth, false, LengthIsWidthId);
    EXPECT_TRUE(look.wordWrap);
    EXPECT_FALSE(settings.IsEnabled(MinMemoWidthId) || settings.IsEnabled(MaxMemoWidthId));
    EXPECT_TRUE(settings.IsEnabled(UseAnTWidthId)) << "follows the width box's enabled state, not its check";

    Change(settings, look, &Settings::showAnT, false, ShowAnTId);
    EXPECT_FALSE(settings.IsEnabled(AnTFontSizeId));
    Change(settings, look, &Settings::showAnT, true, ShowAnTId);
    EXPECT_TRUE(settings.IsEnabled(AnTFontSizeId));

    // In external-editor mode the width box is disabled, and so becomes the label-width box.
    Change(settings, look, &Settings::openByShell, true, OpenByShellId);
    Change(settings, look, &Settings::lengthIsWidth, true, LengthIsWidthId);
    EXPECT_FALSE(settings.IsEnabled(UseAnTWidthId) || settings.IsEnabled(MinMemoWidthId));
    Change(settings, look, &Settings::showAnT, false, ShowAnTId);
    EXPECT_FALSE(settings.IsEnabled(AnTFontSizeId));
}

TEST(SettingsRulesTest, SimpleSwitchesReachTheMainWindow)
{
    Settings settings;
    FakeMainWindowLook look;
    Change(settings, look, &Settings::ampVer, PlayerGeneration::Winamp3, AmpVerId);
    EXPECT_FALSE(look.playlistCommands);
    Change(settings, look, &Settings::ampVer, PlayerGeneration::None, AmpVerId);
    EXPECT_FALSE(look.playlistCommands) << "no button chosen runs nothing";
    Change(settings, look, &Settings::ampVer, PlayerGeneration::Winamp2, AmpVerId);
    EXPECT_TRUE(look.playlistCommands);

    Change(settings, look, &Settings::showHints, false, ShowHintsId);
    Change(settings, look, &Settings::stayOnTop, true, StayOnTopId);
    EXPECT_TRUE(!look.hints && look.onTop);

    // Red on dark red, from the table's second row and first.
    Change(settings, look, &Settings::anTColor, ColourPair{9, 1}, AnTColorId);
    EXPECT_EQ(look.labelText.red, 255);
    EXPECT_EQ(look.labelPanel.red, 128);
    EXPECT_EQ(look.labelPanel.green, 0);

    Change(settings, look, &Settings::memoFontSize, 30, MemoFontSizeId);
    Change(settings, look, &Settings::fontBox, std::string("Arial"), FontBoxId);
    Change(settings, look, &Settings::fontBox, std::string(), FontBoxId);
    EXPECT_EQ(look.memoPoints, 30);
    EXPECT_EQ(look.memoFace, "Arial") << "no font chosen keeps the text's font";
    Change(settings, look, &Settings::anTFontSize, 23, AnTFontSizeId);
    EXPECT_EQ(look.labelPoints, 23);

    // A new interval restarts a running timer and leaves a stopped one stopped.
    Change(settings, look, &Settings::refreshInterval, 5, RefreshIntervalId);
    EXPECT_FALSE(look.timer);
    Change(settings, look, &Settings::refreshOnTimer, true, RefreshOnTimerId);
    look.calls.clear();
    Change(settings, look, &Settings::refreshInterval, 7, RefreshIntervalId);
    EXPECT_EQ(look.calls, std::vector<std::string>{"SetTimer1Running"});
}

} // namespace
