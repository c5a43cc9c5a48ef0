#include "settings/OptionsFixture.h"
#include "app/SonveraIds.h"
#include "settings/ColourGrid.h"
#include "settings/SpinField.h"
#include "win/WindowText.h"

#include <gtest/gtest.h>

#include <richedit.h>

namespace {

using Part = MainWindowLook::Part;

bool IsTopmost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// What a user's change of each kind of control does: the value takes it, and
// its rule reaches the main window.
TEST_F(OptionsWindowTest, CheckBoxesChangeTheValueAndTheMainWindow)
{
    Click(ShowStatusBarId);
    EXPECT_FALSE(settings.showStatusBar);
    EXPECT_FALSE(main->IsPartShown(Part::StatusLine));
    Click(StayOnTopId);
    EXPECT_TRUE(settings.stayOnTop);
    EXPECT_TRUE(IsTopmost(main->Window()) && IsTopmost(options->Window()));
    Click(StayOnTopId);
    EXPECT_FALSE(IsTopmost(main->Window()) || IsTopmost(options->Window()));

    // A rule that changes other options shows them: the mode forces the toolbar and disables its box.
    Click(ShowToolBarId);
    Click(OpenByShellId);
    EXPECT_TRUE(IsChecked(ShowToolBarId));
    EXPECT_FALSE(IsWindowEnabled(options->Control(ShowToolBarId)));
    EXPECT_EQ(WindowTextOf(options->Spin(AnTFontSizeId).Edit()), "10");
    EXPECT_EQ(GetMenu(main->Window()), nullptr);
    EXPECT_TRUE(IsWindowEnabled(options->Control(ClosePadsId)));
}

TEST_F(OptionsWindowTest, FieldsTakeWhatIsTypedAndTheFolderBrowsersChoice)
{
    Click(RefreshOnTimerId);
    EXPECT_TRUE(IsWindowEnabled(options->Spin(RefreshIntervalId).Window()));
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
    EXPECT_EQ(settings.refreshInterval, 7);

    const struct {
        std::optional<std::wstring> chosen;
        const wchar_t* path;
    } folders[] = {{L"C:\\Тексты песен", L"C:\\Тексты песен\\"},
                   {L"C:\\Björk Łódź", L"C:\\Björk Łódź\\"},
                   {L"D:\\", L"D:\\"},
                   {std::nullopt, L"D:\\"}};
    for (const auto& c : folders) {
        options->browseForFolder = [&](HWND, const std::wstring&) { return c.chosen; };
        Click(BrowsePathId);
        EXPECT_EQ(settings.textsPath, c.path);
        EXPECT_EQ(UnicodeWindowText(options->Control(TextsPathId)), c.path);
        EXPECT_TRUE(IsWindowEnabled(main->Window()));
    }
}

TEST_F(OptionsWindowTest, ListsGridsRadiosAndArrowsChangeTheValue)
{
    // The font list, as the user picks from it once it has dropped down.
    HWND list = options->Control(FontBoxId);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(FontBoxId, CBN_DROPDOWN), reinterpret_cast<LPARAM>(list));
    const LRESULT arial = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Arial"));
    ASSERT_NE(arial, CB_ERR);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(arial), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(FontBoxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(settings.fontBox, "Arial");
    CHARFORMATA memoFont{};
    memoFont.cbSize = sizeof memoFont;
    SendMessageA(main->Memo2(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&memoFont));
    EXPECT_STREQ(memoFont.szFaceName, "Arial");

    // Red is the second cell of the grid's second row.
    HWND grid = options->AnTColor().Window();
    RECT cells{};
    GetClientRect(grid, &cells);
    const LPARAM red = MAKELPARAM(cells.right * 3 / 16, cells.bottom * 3 / 4);
    SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, red);
    SendMessageA(grid, WM_LBUTTONUP, 0, red);
    EXPECT_EQ(settings.anTColor, (ColourPair{9, 7}));
    EXPECT_EQ(main->LabelTextColour(), RGB(255, 0, 0));

    SendMessageA(options->Control(AmpVerSecondButtonId), BM_CLICK, 0, 0);
    EXPECT_EQ(settings.ampVer, PlayerGeneration::Winamp3);
    EXPECT_FALSE(main->IsButtonEnabled(ID_WinampAdd) || main->IsMenuItemEnabled(ID_MenuWinampJump));

    // Any mouse button on an arrow steps round the set: "_" is the eighth.
    const struct {
        OptionId box;
        UINT message;
        const char* shown;
    } steps[] = {{SpecialRightId, WM_RBUTTONDOWN, " "}, {SpecialLeftId, WM_MBUTTONDOWN, "_"}, {SpecialLeftId, WM_LBUTTONDOWN, "&"}};
    for (const auto& step : steps) {
        SendMessageA(options->Control(step.box), step.message, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(settings.SpecialSym(), step.shown);
        EXPECT_EQ(WindowTextOf(options->Control(SpecialSymId)), step.shown);
    }
}

TEST_F(OptionsWindowTest, OpeningShowsTheValueAsItIsNowAndClosingHides)
{
    settings.silentMode = true;
    settings.memoFontSize = 17;
    settings.specialSymPosition = 12;
    settings.Enable(ClosePadsId, true);
    options->ShowOnFirstTab();
    EXPECT_TRUE(IsChecked(SilentModeId));
    EXPECT_EQ(WindowTextOf(options->Spin(MemoFontSizeId).Edit()), "17");
    EXPECT_EQ(WindowTextOf(options->Control(SpecialSymId)), "`");
    EXPECT_TRUE(IsWindowEnabled(options->Control(ClosePadsId)));
    EXPECT_EQ(main->ShowHint(), true) << "showing runs no rule";

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
