#include "settings/OptionsFixture.h"
#include "app/SonveraIds.h"
#include "settings/ColourGrid.h"
#include "settings/SpinField.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <memory>

namespace {

using Part = MainWindowLook::Part;

SIZE ClientSizeOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

SIZE WindowSizeOf(HWND window)
{
    const RECT bounds = WindowBounds(window);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

bool IsTopmost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(OptionsWindowTest, BarsFollowTheirBoxesAndTheClientHeightFollowsTheBars)
{
    struct Case {
        OptionId box;
        Part part;
        bool changesHeight;
    };
    const Case cases[] = {
        {ShowToolBarId, Part::ToolBar, true},
        {ShowStatusBarId, Part::StatusLine, true},
        {ShowAnTId, Part::Label, false},
        {ControlWinampId, Part::PlayerPanel, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const SIZE before = ClientSizeOf(main->Window());
        Click(c.box);
        EXPECT_FALSE(main->IsPartShown(c.part));
        const SIZE hidden = ClientSizeOf(main->Window());
        EXPECT_EQ(hidden.cx, before.cx);
        EXPECT_EQ(hidden.cy, before.cy - (c.changesHeight ? main->PartExtent(c.part) : 0));
        options->SetChecked(c.box, true);
        EXPECT_TRUE(main->IsPartShown(c.part));
        EXPECT_EQ(ClientSizeOf(main->Window()).cy, before.cy);
    }
    // In text-view mode the label's size field follows the label's box.
    Click(ShowAnTId);
    EXPECT_FALSE(options->IsEnabled(AnTFontSizeId));
    Click(ShowAnTId);
    EXPECT_TRUE(options->IsEnabled(AnTFontSizeId));
}

TEST_F(OptionsWindowTest, SimpleSwitchesActOnTheMainWindow)
{
    options->SetAmpVer(1);
    for (UINT button : {ID_WinampAdd, ID_WinampJump})
        EXPECT_FALSE(main->IsButtonEnabled(button));
    for (UINT item : {ID_MenuWinampAdd, ID_MenuWinampJump})
        EXPECT_FALSE(main->IsMenuItemEnabled(item));
    SendMessageA(options->Control(AmpVerFirstButtonId), BM_CLICK, 0, 0);
    EXPECT_EQ(options->AmpVer(), 0);
    EXPECT_TRUE(main->IsButtonEnabled(ID_WinampAdd));
    EXPECT_TRUE(main->IsMenuItemEnabled(ID_MenuWinampJump));

    Click(StayOnTopId);
    EXPECT_TRUE(IsTopmost(main->Window()));
    EXPECT_TRUE(IsTopmost(options->Window()));
    Click(StayOnTopId);
    EXPECT_FALSE(IsTopmost(main->Window()) || IsTopmost(options->Window()));

    Click(ShowHintsId);
    EXPECT_FALSE(main->ShowHint());
    options->SetChecked(ShowHintsId, false);
    EXPECT_FALSE(main->ShowHint()) << "setting the state the box has runs nothing";
    Click(ShowHintsId);
    EXPECT_TRUE(main->ShowHint());

    Click(LengthIsWidthId);
    EXPECT_TRUE(GetWindowLongPtrA(main->Memo2(), GWL_STYLE) & WS_HSCROLL);
    for (OptionId id : {MinMemoWidthId, MaxMemoWidthId, UseAnTWidthId})
        EXPECT_TRUE(options->IsEnabled(id)) << id;
    Click(LengthIsWidthId);
    EXPECT_FALSE(GetWindowLongPtrA(main->Memo2(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(options->IsEnabled(MinMemoWidthId));
    EXPECT_TRUE(options->IsEnabled(UseAnTWidthId)) << "follows the box's enabled state, not its check";
}

TEST_F(OptionsWindowTest, TheTimerFollowsItsBoxAndAnIntervalThatIsNoNumberReadsAsOneSecond)
{
    Click(RefreshOnTimerId);
    EXPECT_TRUE(options->IsEnabled(RefreshIntervalId));
    EXPECT_TRUE(main->Timer1Enabled());
    const struct {
        const char* typed;
        UINT period;
        const char* afterLeaving;
    } cases[] = {{"25", 25000, "25"}, {"0", 1000, "1"}, {"-", 1000, "1"}, {"7", 7000, "7"}};
    for (const auto& c : cases) {
        TypeAndLeave(RefreshIntervalId, c.typed);
        EXPECT_EQ(main->Timer1Interval(), c.period) << c.typed;
        EXPECT_EQ(WindowTextOf(options->Spin(RefreshIntervalId).Edit()), c.afterLeaving);
    }
    Click(RefreshOnTimerId);
    EXPECT_FALSE(main->Timer1Enabled());
    EXPECT_FALSE(options->IsEnabled(RefreshIntervalId));
}

TEST_F(OptionsWindowTest, ExternalEditorModeShrinksTheWindowToItsToolbarAndLeavingRestoresItExactly)
{
    options->Spin(AnTFontSizeId).SetValue(14);
    Click(ShowStatusBarId);
    Click(ShowAnTId);
    const SIZE textView = WindowSizeOf(main->Window());

    Click(OpenByShellId);
    // The designed toolbar is 142 pixels wide without the player's panel.
    const SIZE editorMode = ClientSizeOf(main->Window());
    EXPECT_EQ(editorMode.cx, 142 + main->PartExtent(Part::PlayerPanel));
    EXPECT_EQ(editorMode.cy, main->PartExtent(Part::ToolBar) + 2);
    EXPECT_EQ(GetMenu(main->Window()), nullptr);
    EXPECT_FALSE(IsWindowVisible(main->Memo2()) || (GetWindowLongPtrA(main->Memo2(), GWL_STYLE) & WS_VISIBLE));
    EXPECT_FALSE(GetWindowLongPtrA(main->Window(), GWL_STYLE) & WS_THICKFRAME);
    for (UINT button : {ID_SaveText, ID_ButtTrim, ID_ButtNorm})
        EXPECT_FALSE(main->IsButtonEnabled(button));
    for (OptionId id : {MemoFontSizeId, AutoSaveId, LengthIsWidthId, MaxLabelId, MaxMemoWidthId, MinMemoWidthId,
                        UseAnTWidthId, FontBoxId, AutoTrimId, AnTFontSizeId, ShowToolBarId})
        EXPECT_FALSE(options->IsEnabled(id)) << id;
    EXPECT_TRUE(options->IsEnabled(IamawriterId) && options->IsEnabled(ClosePadsId));
    EXPECT_EQ(options->AnTFontSize(), 10);
    EXPECT_EQ(options->KeptAnTFontSize, 14);

    // The label and the player's panel change the small window's size as they come and go.
    Click(ShowAnTId);
    EXPECT_EQ(ClientSizeOf(main->Window()).cy, editorMode.cy + main->PartExtent(Part::Label));
    EXPECT_FALSE(options->IsEnabled(AnTFontSizeId));
    Click(ControlWinampId);
    EXPECT_EQ(ClientSizeOf(main->Window()).cx, 142);
    Click(ControlWinampId);

    Click(OpenByShellId);
    EXPECT_EQ(WindowSizeOf(main->Window()).cx, textView.cx);
    EXPECT_EQ(WindowSizeOf(main->Window()).cy, textView.cy);
    EXPECT_EQ(GetMenu(main->Window()), main->Menu1());
    EXPECT_TRUE(GetWindowLongPtrA(main->Window(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(main->IsButtonEnabled(ID_ButtTrim));
    for (OptionId id : {MemoFontSizeId, AutoSaveId, LengthIsWidthId, MaxMemoWidthId, MinMemoWidthId, FontBoxId,
                        ShowToolBarId, AnTFontSizeId})
        EXPECT_TRUE(options->IsEnabled(id)) << id;
    EXPECT_FALSE(options->IsEnabled(IamawriterId) || options->IsEnabled(ClosePadsId));
    EXPECT_EQ(options->AnTFontSize(), 14);
}

TEST_F(OptionsWindowTest, TheSpecialSymbolStepsRoundTheSetWithAnyButton)
{
    options->SetSpecialSymPosition(12);
    EXPECT_EQ(options->SpecialSym(), "`");
    const struct {
        OptionId box;
        UINT message;
        const char* shown;
    } steps[] = {{SpecialRightId, WM_RBUTTONDOWN, "!"},
                 {SpecialLeftId, WM_LBUTTONDOWN, "`"},
                 {SpecialLeftId, WM_MBUTTONDOWN, "~"},
                 {SpecialRightId, WM_LBUTTONDOWN, "`"}};
    for (const auto& step : steps) {
        SendMessageA(options->Control(step.box), step.message, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(options->SpecialSym(), step.shown);
    }
}

TEST_F(OptionsWindowTest, TheLabelTakesTheColoursPickedInTheGrid)
{
    HWND grid = options->AnTColor().Window();
    RECT cells{};
    GetClientRect(grid, &cells);
    // Red is the second cell of the second row.
    const LPARAM red = MAKELPARAM(cells.right * 3 / 16, cells.bottom * 3 / 4);
    SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, red);
    SendMessageA(grid, WM_LBUTTONUP, 0, red);
    EXPECT_EQ(main->LabelTextColour(), RGB(255, 0, 0));
    SendMessageA(grid, WM_KEYDOWN, VK_HOME, 0);
    SendMessageA(grid, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(grid, WM_KEYDOWN, 'B', 0);
    EXPECT_EQ(main->LabelPanelColour(), RGB(128, 0, 0));
    EXPECT_EQ(main->LabelTextColour(), RGB(255, 0, 0));
}

TEST_F(OptionsWindowTest, FontsReachTheTextAndTheLabel)
{
    options->FillFontList();
    EXPECT_TRUE(options->SelectFont("courier new"));
    EXPECT_EQ(options->FontBox(), "Courier New");
    EXPECT_TRUE(options->SelectFont("Default"));
    EXPECT_FALSE(options->SelectFont("No Such Face"));
    EXPECT_EQ(options->FontBox(), "");

    // A user's choice applies itself; the program's selection does not.
    HWND list = options->Control(FontBoxId);
    const LRESULT arial = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Arial"));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(arial), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(FontBoxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    options->Spin(MemoFontSizeId).SetValue(30);
    CHARFORMATA memoFont{};
    memoFont.cbSize = sizeof memoFont;
    SendMessageA(main->Memo2(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&memoFont));
    EXPECT_STREQ(memoFont.szFaceName, "Arial");
    EXPECT_EQ(memoFont.yHeight, 30 * 20) << "twips";
    LOGFONTA labelFont{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(main->AnT(), WM_GETFONT, 0, 0)), sizeof labelFont, &labelFont);

    options->Spin(AnTFontSizeId).SetValue(40);
    LOGFONTA biggerLabel{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(main->AnT(), WM_GETFONT, 0, 0)), sizeof biggerLabel, &biggerLabel);
    EXPECT_LT(biggerLabel.lfHeight, labelFont.lfHeight) << "a larger size is a more negative character height";
    EXPECT_GT(main->PartExtent(Part::Label), -biggerLabel.lfHeight) << "the panel fits the label";
}

TEST_F(OptionsWindowTest, TheFolderBrowserPutsAFolderWithItsBackslashOrNothing)
{
    const struct {
        std::optional<std::string> chosen;
        const char* path;
    } cases[] = {{"C:\\Тексты песен", "C:\\Тексты песен\\"}, {"D:\\", "D:\\"}, {std::nullopt, "D:\\"}};
    for (const auto& c : cases) {
        options->browseForFolder = [&](HWND, const std::string&) { return c.chosen; };
        Click(BrowsePathId);
        EXPECT_EQ(options->TextsPath(), c.path);
        EXPECT_TRUE(IsWindowEnabled(main->Window()));
    }
}

TEST_F(OptionsWindowTest, CtrlTabMovesBetweenTheTabs)
{
    options->ShowOnFirstTab();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG message{options->Control(SilentModeId), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(options->TakeDialogMessage(message));
    EXPECT_EQ(options->SelectedTab(), 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    PostMessageA(options->Window(), WM_CLOSE, 0, 0);
    DispatchPendingMessages();
    EXPECT_FALSE(IsWindowVisible(options->Window()));
}

} // namespace
