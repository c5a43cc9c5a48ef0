#include "settings/ModeSwitchRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ModeSwitchRulesTest, TheEditorModeWindowHoldsJustWhatIsShown)
{
    // The designed toolbar: seven buttons, a splitter and the player panel.
    const EditorModeLayout designed{9, 20, 1, 29, false, 73, 5, true, 19, false, 20};
    EXPECT_EQ(EditorModeClientSize(designed), (ClientSize{142, 48}));

    EditorModeLayout everything = designed;
    everything.playerPanelShown = true;
    everything.labelShown = true;
    EXPECT_EQ(EditorModeClientSize(everything), (ClientSize{220, 68}));

    EditorModeLayout bare = designed;
    bare.statusLineShown = false;
    EXPECT_EQ(EditorModeClientSize(bare), (ClientSize{142, 31}));
}

} // namespace
