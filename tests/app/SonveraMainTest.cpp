#include "app/AboutPanel.h"
#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "settings/SettingsKey.h"
#include "artist/ArtistInfoPanel.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>
#include <richedit.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// The shortcut letter each menu item shows after a tab ("Ctrl+S"), with the
// item's command.
std::map<BYTE, UINT> ShortcutsShownIn(HMENU bar)
{
    std::map<BYTE, UINT> shown;
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        HMENU menu = GetSubMenu(bar, top);
        for (int position = 0; position < GetMenuItemCount(menu); ++position) {
            char text[256] = {};
            GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
            const std::string_view caption = text;
            const auto tab = caption.find("\tCtrl+");
            if (tab != std::string_view::npos && tab + 7 == caption.size())
                shown[static_cast<BYTE>(caption.back())] = GetMenuItemID(menu, position);
        }
    }
    return shown;
}

// Commands that reach the main window, kept here instead of carried out.
std::vector<UINT> commandsReceived;
WNDPROC mainProcedure = nullptr;

LRESULT CALLBACK KeepCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COMMAND)
        return CallWindowProcA(mainProcedure, window, message, wParam, lParam);
    commandsReceived.push_back(LOWORD(wParam));
    return 0;
}

int TextWidth(HWND control, const std::wstring& text)
{
    HDC context = GetDC(control);
    HGDIOBJ old = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(context, old);
    ReleaseDC(control, context);
    return size.cx;
}

int Width(const RECT& bounds)
{
    return bounds.right - bounds.left;
}

int Height(const RECT& bounds)
{
    return bounds.bottom - bounds.top;
}

} // namespace

TEST_F(MainWindowTest, CarriesTheIdentitiesASecondStartLooksFor)
{
    WatchedMain& window = CreateMain();
    EXPECT_EQ(FindWindowA("TSonveraMain", Cp1251(L"Слушай и читай!").c_str()), window.Window());
    EXPECT_EQ(FindWindowA("TApplication", "Winamp Sonvera"), application->Window());
    EXPECT_EQ(GetWindow(window.Window(), GW_OWNER), application->Window());
    // Made visible later, by whoever applies the settings.
    EXPECT_FALSE(IsWindowVisible(window.Window()));
}

TEST_F(MainWindowTest, EveryShortcutIsTheOneItsMenuItemShows)
{
    WatchedMain& window = CreateMain();
    const std::map<BYTE, UINT> shown = ShortcutsShownIn(GetMenu(window.Window()));
    ASSERT_FALSE(shown.empty());

    mainProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeepCommands)));
    std::map<BYTE, UINT> working;
    for (BYTE key = 'A'; key <= 'Z'; ++key) {
        commandsReceived.clear();
        if (PressWithControl(window, window.Memo2(), key))
            working[key] = commandsReceived.size() == 1 ? commandsReceived.front() : 0;
    }
    SetWindowLongPtrA(window.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mainProcedure));
    EXPECT_EQ(working, shown);
}

TEST_F(MainWindowTest, StartsWithItsDesignedState)
{
    WatchedMain& window = CreateMain();
    for (const UINT button : {ID_ButtRefresh, ID_ButtTrim, ID_ButtNorm, ID_ButtNext, ID_ButtInfo, ID_SaveText,
                              ID_ButtOptions, ID_WinampPrev, ID_WinampPlay, ID_WinampNext, ID_WinampPrev5s,
                              ID_WinampPause, ID_WinampNext5s, ID_WinampStop, ID_WinampOpen, ID_WinampJump,
                              ID_WinampAdd})
        EXPECT_EQ(window.IsButtonEnabled(button), button != ID_ButtNext && button != ID_SaveText) << button;

    EXPECT_EQ(window.AnTCaption(), L"Artist and title");
    EXPECT_FALSE(window.ArtistInfo().IsVisible());
    EXPECT_FALSE(window.AboutMe().IsVisible());
    EXPECT_EQ(ClassNameOf(window.Memo2()), "RichEdit20A");
    EXPECT_TRUE(SendMessageA(window.Memo2(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT);
    EXPECT_THAT(boxes.shown, IsEmpty());
}

TEST_F(MainWindowTest, ControlsStackFromTopToBottomAndTheTextAreaTakesTheRest)
{
    WatchedMain& window = CreateMain();
    for (const SIZE size : {SIZE{420, 380}, SIZE{300, 600}}) {
        SetWindowPos(window.Window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client = {};
        GetClientRect(window.Window(), &client);
        const RECT toolBar = BoundsInParent(window.ToolBar1());
        const RECT panel = BoundsInParent(window.Panel1());
        const RECT memo = BoundsInParent(window.Memo2());
        const RECT status = BoundsInParent(window.StatusBar());
        EXPECT_EQ(toolBar.top, 0);
        EXPECT_EQ(Height(toolBar), 29);
        EXPECT_EQ(panel.top, toolBar.bottom);
        EXPECT_EQ(Height(panel), 20);
        EXPECT_EQ(memo.top, panel.bottom);
        EXPECT_EQ(memo.bottom, status.top);
        EXPECT_EQ(status.bottom, client.bottom);
        EXPECT_EQ(Height(status), 19);
        for (const RECT& control : {toolBar, panel, memo, status})
            EXPECT_EQ(Width(control), client.right);
    }

    // The player panel sits right after the last toolbar button and the 5-pixel gap.
    RECT button = {};
    SendMessageA(window.ToolBar1(), TB_GETRECT, ID_ButtOptions, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(Width(button), 20);
    EXPECT_EQ(Height(button), 21);
    EXPECT_EQ(BoundsInParent(window.WinampCtrlPanel()).left, button.right + 5);
}

TEST_F(MainWindowTest, TextAreaTakesTextsBeyondTheRichEditDefaultAndStaysEditable)
{
    WatchedMain& window = CreateMain();
    std::string text;
    while (text.size() < 100000)
        text += "Lorem ipsum dolor sit amet, consectetur adipiscing\r\n";
    SetWindowTextA(window.Memo2(), text.c_str());
    SendMessageA(window.Memo2(), EM_SETSEL, -1, -1);
    SendMessageA(window.Memo2(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("b"));
    EXPECT_EQ(GetWindowTextLengthA(window.Memo2()), static_cast<int>(text.size()) + 1);
}

TEST_F(MainWindowTest, IsMadeWithTheGeometryOfItsSettings)
{
    // Where the window system puts a window of its own choice.
    const RECT chosen = WindowBounds(CreateMain().Window());
    const struct {
        WindowGeometry geometry;
        LONG left, top;
    } cases[] = {
        {{40, 50, 420, 380}, 40, 50},
        {{37, std::nullopt, 200, 300}, 37, chosen.top},
        {{std::nullopt, 61, 200, 333}, chosen.left, 61},
    };
    for (const auto& c : cases) {
        settings.geometry = c.geometry;
        const RECT bounds = WindowBounds(CreateMain().Window());
        EXPECT_EQ(bounds.left, c.left);
        EXPECT_EQ(bounds.top, c.top);
        EXPECT_EQ(Width(bounds), c.geometry.width);
        EXPECT_EQ(Height(bounds), c.geometry.height);
        EXPECT_EQ(WindowTextOf(main->Window()), Cp1251(L"Слушай и читай!"));
        EXPECT_FALSE(IsWindowVisible(main->Window())) << "shown by the program once it is whole";
    }
}

TEST_F(MainWindowTest, CentresTheLabelOnlyWhileItsTextWithTwoBlanksIsNarrowerThanTheWindow)
{
    WatchedMain& window = CreateMain();
    // Names outside code page 1251 are shown and measured whole.
    const std::wstring caption = L"Гражданская Оборона и Björk - Всё идёт по плану (Æß, концертная запись)";
    window.SetAnTCaption(caption);
    EXPECT_EQ(window.AnTCaption(), caption);
    const int boundary = TextWidth(window.AnT(), caption + L"  ");
    ASSERT_GT(boundary, 300);

    const int widths[] = {boundary + 1, boundary, boundary - 40, boundary + 1, boundary + 200, boundary};
    for (const int width : widths) {
        SetWindowPos(window.Window(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(Width(WindowBounds(window.Window())), width);
        EXPECT_EQ(window.AnTCentred(), width > boundary) << "window width " << width;
    }

    // A new caption is aligned when the handler runs, without a resize.
    window.SetAnTCaption(L" - Intro");
    window.FormResize(window.Window());
    EXPECT_TRUE(window.AnTCentred());
    EXPECT_EQ(window.AnTCaption(), L" - Intro");
}

TEST_F(MainWindowTest, ClicksFollowTheDelegationRules)
{
    enum class Kind { Menu, Button };
    struct Case {
        const char* what;
        Kind kind;
        UINT id;
        std::vector<UINT> disabledItems;
        std::vector<UINT> enabledItems;
        std::vector<std::string> ran;
    };
    const Case cases[] = {
        {"ButtRefresh clicks MenuRefresh", Kind::Button, ID_ButtRefresh, {}, {}, {"ButtRefreshClick", "MenuRefreshClick"}},
        {"ButtRefresh while MenuRefresh is disabled", Kind::Button, ID_ButtRefresh, {ID_MenuRefresh}, {},
         {"ButtRefreshClick"}},
        {"ButtTrim clicks MenuTrim", Kind::Button, ID_ButtTrim, {}, {}, {"ButtTrimClick", "MenuTrimClick"}},
        {"ButtTrim while MenuTrim is disabled", Kind::Button, ID_ButtTrim, {ID_MenuTrim}, {}, {"ButtTrimClick"}},
        {"ButtNorm clicks MenuNorm", Kind::Button, ID_ButtNorm, {}, {}, {"ButtNormClick", "MenuNormClick"}},
        {"ButtNext while MenuNext is disabled, as at start", Kind::Button, ID_ButtNext, {}, {}, {"ButtNextClick"}},
        {"ButtNext once MenuNext is enabled", Kind::Button, ID_ButtNext, {}, {ID_MenuNext},
         {"ButtNextClick", "MenuNextClick"}},
        {"ButtOptions clicks MenuOptions", Kind::Button, ID_ButtOptions, {}, {}, {"ButtOptionsClick", "MenuOptionsClick"}},
        {"ButtOptions while MenuOptions is disabled", Kind::Button, ID_ButtOptions, {ID_MenuOptions}, {},
         {"ButtOptionsClick"}},
        {"ButtInfo calls the menu handler whatever the item's state", Kind::Button, ID_ButtInfo, {ID_MenuArtistInfo}, {},
         {"ButtInfoClick", "MenuArtistInfoClick"}},
        {"MenuSaveText runs SaveText, disabled at start", Kind::Menu, ID_MenuSaveText, {}, {},
         {"MenuSaveTextClick", "SaveTextClick"}},
        {"a disabled MenuSaveText does nothing", Kind::Menu, ID_MenuSaveText, {ID_MenuSaveText}, {}, {}},
        {"a disabled MenuClear does nothing", Kind::Menu, ID_MenuClear, {ID_MenuClear}, {}, {}},
        {"MenuNext, disabled at start, does nothing", Kind::Menu, ID_MenuNext, {}, {}, {}},
        {"MenuArtistInfo while enabled", Kind::Menu, ID_MenuArtistInfo, {}, {}, {"MenuArtistInfoClick"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WatchedMain& window = CreateMain();
        for (const UINT item : c.disabledItems)
            window.EnableMenuItem(item, false);
        for (const UINT item : c.enabledItems)
            window.EnableMenuItem(item, true);
        if (c.kind == Kind::Menu)
            window.PerformMenuClick(c.id);
        else
            window.PerformButtonClick(c.id);
        EXPECT_THAT(window.ran, ElementsAreArray(c.ran));
    }
}

TEST_F(MainWindowTest, ClearEmptiesTheTextAreaOnly)
{
    WatchedMain& window = CreateMain();
    SetWindowTextA(window.Memo2(), Cp1251(L"Первая строка\r\nВторая строка").c_str());
    window.SetStatusText(L"\\Mötley Crüe\\Title.txt");
    window.Session().Candidates = {L"C:\\Texts\\Artist\\Title (live).txt"};
    window.PerformMenuClick(ID_MenuClear);
    EXPECT_EQ(GetWindowTextLengthA(window.Memo2()), 0);
    EXPECT_EQ(window.StatusText(), L"\\Mötley Crüe\\Title.txt");
    EXPECT_THAT(window.Session().Candidates, ElementsAre(L"C:\\Texts\\Artist\\Title (live).txt"));
}

TEST_F(MainWindowTest, TidyingButtonsWorkOnTheTextAreaThroughTheirMenuItems)
{
    WatchedMain& window = CreateMain();
    SetWindowTextA(window.Memo2(), Cp1251(L"\r\n   первая СТРОКА  \r\n\r\n").c_str());
    window.PerformButtonClick(ID_ButtTrim);
    EXPECT_EQ(WindowTextOf(window.Memo2()), Cp1251(L"первая СТРОКА"));
    window.PerformButtonClick(ID_ButtNorm);
    EXPECT_EQ(WindowTextOf(window.Memo2()), Cp1251(L"Первая строка"));
    window.EnableMenuItem(ID_MenuNorm, false);
    SetWindowTextA(window.Memo2(), "abc");
    window.PerformButtonClick(ID_ButtNorm);
    EXPECT_EQ(WindowTextOf(window.Memo2()), "abc");
}

TEST_F(MainWindowTest, CloseItemClosesTheWindow)
{
    WatchedMain& window = CreateMain();
    const HWND handle = window.Window();
    window.PerformMenuClick(ID_KillKillKillDie);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.Window(), nullptr);
    EXPECT_EQ(application->MainWindow(), nullptr);
}

TEST_F(MainWindowTest, ShowsTheAboutPanelOnThePictureTabOverItsPlaceInTheWindow)
{
    WatchedMain& window = CreateMain();
    SetWindowPos(window.Window(), nullptr, 100, 120, 600, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window.Window(), SW_SHOWNOACTIVATE);
    window.PerformMenuClick(ID_MenuSonveraInfo);

    AboutPanel& about = window.AboutMe();
    ASSERT_TRUE(about.IsVisible());
    EXPECT_EQ(about.ActiveTab(), 0);
    POINT corner{165, 101};
    ClientToScreen(window.Window(), &corner);
    const RECT shown = WindowBounds(about.Window());
    EXPECT_EQ(shown.left, corner.x);
    EXPECT_EQ(shown.top, corner.y);

    // Moved, switched to another tab and closed by the user: the next time it
    // opens where it was left, on the picture again.
    HWND tabs = FindWindowExA(about.Window(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_NE(tabs, nullptr);
    SendMessageA(tabs, TCM_SETCURSEL, 2, 0);
    SetWindowPos(about.Window(), nullptr, 300, 310, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(about.Window(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(about.IsVisible());
    window.PerformMenuClick(ID_MenuSonveraInfo);
    EXPECT_TRUE(about.IsVisible());
    EXPECT_EQ(about.ActiveTab(), 0);
    EXPECT_EQ(WindowBounds(about.Window()).left, 300);
    EXPECT_EQ(WindowBounds(about.Window()).top, 310);
}

TEST_F(MainWindowTest, ShowsTheArtistPanelOnceUntilItIsClosed)
{
    WatchedMain& window = CreateMain();
    ShowWindow(window.Window(), SW_SHOWNOACTIVATE);
    ArtistInfoPanel& artist = window.ArtistInfo();
    ScratchFolder texts;
    texts.MakeFile(L"Band\\Sonvera Artist info.txt", "notes");
    settings.textsPath = texts.Path();
    window.Session().Song.SongArtist = L"Band";
    window.PerformButtonClick(ID_ButtInfo);
    ASSERT_TRUE(artist.IsVisible());
    EXPECT_EQ(WindowTextOf(artist.InforMemo()), "notes");
    SetWindowPos(artist.Window(), nullptr, 321, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.PerformMenuClick(ID_MenuArtistInfo);
    EXPECT_EQ(WindowBounds(artist.Window()).left, 321);
    EXPECT_EQ(WindowBounds(artist.Window()).top, 222);
}

namespace {

class ThrowingMain : public TSonveraMain {
public:
    using TSonveraMain::TSonveraMain;
    int refreshes = 0;
    void MenuRefreshClick(HWND) override
    {
        ++refreshes;
        throw std::runtime_error("Cannot open file C:\\Texts\\Artist\\Title.txt");
    }
};

} // namespace

TEST_F(MainWindowTest, AnErrorNoHandlerCatchesIsReportedAndTheWindowGoesOn)
{
    ThrowingMain window(*application, settings);
    SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(ID_MenuRefresh, 0), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Cannot open file C:\\Texts\\Artist\\Title.txt.");
    EXPECT_EQ(boxes.shown[0].caption, "Winamp Sonvera");
    EXPECT_EQ(boxes.shown[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));

    SetWindowTextA(window.Memo2(), "text");
    SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(ID_ButtRefresh, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.ToolBar1()));
    SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(ID_MenuClear, 0), 0);
    EXPECT_EQ(window.refreshes, 2);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(GetWindowTextLengthA(window.Memo2()), 0);
}
