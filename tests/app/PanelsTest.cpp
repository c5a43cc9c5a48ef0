#include "app/AboutPanel.h"
#include "app/PanelResources.h"
#include "app/ResourceLoading.h"
#include "app/ToolbarIcons.h"
#include "artist/ArtistInfoPanel.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedMessageBoxes.h"
#include "win/DeviceContext.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// A hidden top-level window in the place of the main window that owns the panels.
class OwnerWindow {
public:
    OwnerWindow()
        : window_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~OwnerWindow()
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

std::string WindowText(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

POINT TopLeft(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top};
}

void MoveTo(HWND window, POINT at)
{
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Tabs(const AboutPanel& panel) { return GetDlgItem(panel.Window(), IDC_ABOUT_TABS); }

std::string TabCaption(HWND tabs, int index)
{
    char buffer[64]{};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// The way a user switches tabs: a click in the middle of the tab.
void ClickTab(HWND tabs, int index)
{
    RECT tab{};
    SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
}

struct Pixels {
    SIZE size{};
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> values; // 0xAARRGGBB, top row first
};

Pixels ReadPixels(HBITMAP bitmap)
{
    Pixels result;
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return result;
    result.size = {info.bmWidth, info.bmHeight};
    result.bitsPerPixel = info.bmBitsPixel;
    result.values.resize(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    BITMAPINFO request = TopDownBitmapInfo({info.bmWidth, info.bmHeight});
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), result.values.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return result;
}

bool CloseTo(std::uint32_t pixel, int red, int green, int blue)
{
    // JPEG decoders differ by a few levels.
    const auto within = [](int actual, int expected) { return std::abs(actual - expected) <= 12; };
    return within((pixel >> 16) & 0xFF, red) && within((pixel >> 8) & 0xFF, green) && within(pixel & 0xFF, blue);
}

class PanelsTest : public ::testing::Test {
protected:
    OwnerWindow owner;
    ScratchFolder scratch;
    std::wstring artist = L"The Band";
    ScriptedMessageBoxes boxes;
    ArtistInfoPanel::InfoFileSource files = [this] { return ArtistInfoFileOf(scratch.Path() + L"Texts\\", artist); };
};

} // namespace

TEST_F(PanelsTest, AboutPanelIsAHiddenFixedToolWindowWithFourTabsOnTheRight)
{
    AboutPanel panel(owner.get());

    EXPECT_FALSE(panel.IsVisible());
    EXPECT_EQ(WindowText(panel.Window()), Cp1251(L"Эбаут!"));
    EXPECT_EQ(GetWindow(panel.Window(), GW_OWNER), owner.get());
    const LONG_PTR exStyle = GetWindowLongPtrA(panel.Window(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

    // The sizing border does not resize it.
    const SIZE client = ClientSize(panel.Window());
    RECT frame{};
    GetWindowRect(panel.Window(), &frame);
    SetWindowPos(panel.Window(), nullptr, 0, 0, frame.right - frame.left + 80, frame.bottom - frame.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(ClientSize(panel.Window()).cx, client.cx);
    EXPECT_EQ(ClientSize(panel.Window()).cy, client.cy);

    HWND tabs = Tabs(panel);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_THAT((std::vector{TabCaption(tabs, 0), TabCaption(tabs, 1), TabCaption(tabs, 2), TabCaption(tabs, 3)}),
                ElementsAre(Cp1251(L"    Я"), "Sonvera", Cp1251(L"Версия"), Cp1251(L"Спасибо!")));
    for (int index = 0; index < 4; ++index) {
        RECT tab{};
        SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        MapWindowPoints(tabs, panel.Window(), reinterpret_cast<POINT*>(&tab), 2);
        EXPECT_GE(tab.left, 320) << "tab " << index << " lies right of the pages";
        EXPECT_LE(tab.right, client.cx) << "tab " << index << " is whole";
        EXPECT_GT(tab.bottom - tab.top, tab.right - tab.left) << "tab " << index << " stands upright";
    }
}

TEST_F(PanelsTest, AboutPanelAlwaysOpensOnThePicture)
{
    AboutPanel panel(owner.get());
    HWND tabs = Tabs(panel);
    HWND picture = GetDlgItem(panel.Window(), IDC_ABOUT_PICTURE);
    HWND history = GetDlgItem(panel.Window(), IDC_ABOUT_HISTORY);

    panel.Show({150, 120});
    EXPECT_TRUE(panel.IsVisible());
    EXPECT_EQ(panel.ActiveTab(), 0);
    EXPECT_TRUE(IsWindowVisible(picture));

    ClickTab(tabs, 2);
    EXPECT_EQ(panel.ActiveTab(), 2);
    EXPECT_TRUE(IsWindowVisible(history));
    EXPECT_FALSE(IsWindowVisible(picture));

    // Shown again while open, and shown again after being closed.
    panel.Show({150, 120});
    EXPECT_EQ(panel.ActiveTab(), 0);
    EXPECT_TRUE(IsWindowVisible(picture));
    EXPECT_FALSE(IsWindowVisible(history));

    ClickTab(tabs, 3);
    SendMessageA(panel.Window(), WM_CLOSE, 0, 0);
    panel.Show({150, 120});
    EXPECT_EQ(panel.ActiveTab(), 0);
    EXPECT_TRUE(IsWindowVisible(picture));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel.Window(), IDC_ABOUT_THANKS)));
}

TEST_F(PanelsTest, PanelsAppearAtTheGivenPointFirstAndLaterWhereTheUserLeftThem)
{
    AboutPanel about(owner.get());
    ArtistInfoPanel artist(owner.get());
    for (HWND window : {about.Window(), artist.Window()}) {
        SCOPED_TRACE(WindowText(window));
        const auto show = [&](POINT at) {
            if (window == about.Window())
                about.Show(at);
            else
                artist.Show(at);
        };
        const auto visible = [&] { return window == about.Window() ? about.IsVisible() : artist.IsVisible(); };

        show({150, 120});
        EXPECT_TRUE(visible());
        EXPECT_EQ(TopLeft(window).x, 150);
        EXPECT_EQ(TopLeft(window).y, 120);

        // Closing the window hides it and keeps it for the next show.
        MoveTo(window, {410, 260});
        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(visible());
        EXPECT_TRUE(IsWindow(window));

        show({150, 120});
        EXPECT_TRUE(visible());
        EXPECT_EQ(TopLeft(window).x, 410);
        EXPECT_EQ(TopLeft(window).y, 260);
    }
}

TEST_F(PanelsTest, PanelsGoWithTheMainWindow)
{
    auto doomed = std::make_unique<OwnerWindow>();
    AboutPanel about(doomed->get());
    ArtistInfoPanel artist(doomed->get());
    about.Show({10, 10});
    artist.Show({10, 10});

    doomed.reset();

    EXPECT_EQ(about.Window(), nullptr);
    EXPECT_EQ(artist.Window(), nullptr);
    EXPECT_FALSE(about.IsVisible());
    EXPECT_FALSE(artist.IsVisible());
}

TEST_F(PanelsTest, AboutPictureIsTheDecodedJpeg)
{
    AboutPanel panel(owner.get());
    auto shown = reinterpret_cast<HBITMAP>(
        SendMessageA(GetDlgItem(panel.Window(), IDC_ABOUT_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0));
    const Pixels onTab = ReadPixels(shown);
    EXPECT_EQ(onTab.size.cx, 320);
    EXPECT_EQ(onTab.size.cy, 240);
    // All of it inside the panel, none of it under the tabs.
    RECT bounds{};
    GetWindowRect(GetDlgItem(panel.Window(), IDC_ABOUT_PICTURE), &bounds);
    MapWindowPoints(nullptr, panel.Window(), reinterpret_cast<POINT*>(&bounds), 2);
    RECT firstTab{};
    SendMessageA(Tabs(panel), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstTab));
    MapWindowPoints(Tabs(panel), panel.Window(), reinterpret_cast<POINT*>(&firstTab), 2);
    // The panel is as tall as the picture.
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.bottom, ClientSize(panel.Window()).cy);
    EXPECT_LE(bounds.right, firstTab.left);

    // Colours of the drawing itself: the sky in the corner and the moon.
    UniqueGdiObject picture = LoadJpegResource(GetModuleHandleA(nullptr), IDR_ABOUT_PICTURE);
    const Pixels decoded = ReadPixels(static_cast<HBITMAP>(picture.get()));
    ASSERT_EQ(decoded.size.cx, 320);
    ASSERT_EQ(decoded.size.cy, 240);
    EXPECT_TRUE(CloseTo(decoded.values[2 * 320 + 2], 29, 44, 101)) << std::hex << decoded.values[2 * 320 + 2];
    EXPECT_TRUE(CloseTo(decoded.values[48 * 320 + 270], 255, 246, 213)) << std::hex << decoded.values[48 * 320 + 270];

    EXPECT_FALSE(LoadJpegResource(GetModuleHandleA(nullptr), IDR_ABOUT_PICTURE + 999));
}

TEST_F(PanelsTest, AboutTextsAreReadOnlyWholeLines)
{
    AboutPanel panel(owner.get());
    for (int id : {IDC_ABOUT_PROGRAM, IDC_ABOUT_HISTORY, IDC_ABOUT_THANKS}) {
        SCOPED_TRACE(id);
        HWND memo = GetDlgItem(panel.Window(), id);
        ASSERT_NE(memo, nullptr);
        RECT bounds{};
        GetWindowRect(memo, &bounds);
        EXPECT_EQ(bounds.right - bounds.left, 320);
        EXPECT_EQ(bounds.bottom - bounds.top, 240);
        EXPECT_TRUE(GetWindowLongPtrA(memo, GWL_STYLE) & WS_VSCROLL);

        const std::string before = WindowText(memo);
        ASSERT_GT(before.size(), 100u);
        for (std::size_t at = before.find('\n'); at != std::string::npos; at = before.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && before[at - 1] == '\r') << "lone line feed at " << at;

        SendMessageA(memo, EM_SETSEL, 0, -1);
        SendMessageA(memo, WM_CHAR, 'x', 0);
        SendMessageA(memo, WM_KEYDOWN, VK_DELETE, 0);
        SendMessageA(memo, WM_CUT, 0, 0);
        EXPECT_EQ(WindowText(memo), before);
    }
    const std::string description = WindowText(GetDlgItem(panel.Window(), IDC_ABOUT_PROGRAM));
    for (const wchar_t* requirement : {L"Winamp", L".txt", L"\" - \"", L"тег"})
        EXPECT_NE(description.find(Cp1251(requirement)), std::string::npos) << Cp1251(requirement);
}

TEST(ResourceLoading, LineBreaksBecomeCrLf)
{
    EXPECT_EQ(WithCrLfLineBreaks("a\nb\r\nc\rd\n\ne"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(WithCrLfLineBreaks("\r\n\r"), "\r\n\r\n");
    EXPECT_EQ(WithCrLfLineBreaks(""), "");
}

TEST_F(PanelsTest, ArtistPanelIsAHiddenToolWindowFilledByItsMemo)
{
    ArtistInfoPanel panel(owner.get());

    EXPECT_FALSE(panel.IsVisible());
    EXPECT_EQ(WindowText(panel.Window()), Cp1251(L"Инфа об исполнителе"));
    EXPECT_EQ(GetWindow(panel.Window(), GW_OWNER), owner.get());
    EXPECT_TRUE(GetWindowLongPtrA(panel.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND memo = panel.InforMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(GetParent(memo), panel.Window());
    const LONG_PTR style = GetWindowLongPtrA(memo, GWL_STYLE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrA(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    // It is editable and keeps filling the panel when the user resizes it.
    SetWindowTextA(memo, "");
    SendMessageA(memo, WM_CHAR, 'x', 0);
    EXPECT_EQ(WindowText(memo), "x");
    SetWindowPos(panel.Window(), nullptr, 0, 0, 330, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT memoBounds{};
    GetWindowRect(memo, &memoBounds);
    EXPECT_EQ(memoBounds.right - memoBounds.left, ClientSize(panel.Window()).cx);
    EXPECT_EQ(memoBounds.bottom - memoBounds.top, ClientSize(panel.Window()).cy);

    panel.Show({20, 20});
    EXPECT_TRUE(panel.IsVisible());
    panel.Hide();
    EXPECT_FALSE(panel.IsVisible());
}

namespace {

struct TooltipSearch {
    HWND owner;
    HWND tooltip;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TooltipSearch*>(context);
    char className[64]{};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->owner)
        search->tooltip = window;
    return TRUE;
}

} // namespace

TEST_F(PanelsTest, ArtistMemoHintIsAlwaysThere)
{
    ArtistInfoPanel panel(owner.get());
    TooltipSearch search{panel.Window(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(search.tooltip, nullptr);

    ASSERT_EQ(SendMessageA(search.tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[256]{};
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(search.tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(std::string(text), Cp1251(L"Нажми правую кнопку мыши!"));
    EXPECT_EQ(tool.uId, reinterpret_cast<UINT_PTR>(panel.InforMemo()));
    EXPECT_TRUE(GetWindowLongPtrA(search.tooltip, GWL_STYLE) & TTS_ALWAYSTIP);
}

TEST_F(PanelsTest, ArtistContextMenuRefreshesSavesAndCloses)
{
    ArtistInfoPanel panel(owner.get(), files);
    HMENU menu = panel.ContextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    const auto caption = [&](int index) {
        char text[64]{};
        GetMenuStringA(menu, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION);
        return std::string(text);
    };
    EXPECT_EQ(caption(0), Cp1251(L"Обновить"));
    EXPECT_EQ(caption(1), Cp1251(L"Сохранить"));
    EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(caption(3), Cp1251(L"Закрыть"));

    const auto choose = [&](int index) {
        SendMessageA(panel.Window(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, index), 0), 0);
    };
    const std::string longLine(100000, 'x');
    scratch.MakeFile(L"Texts\\The Band\\Sonvera Artist info.txt", "one\ntwo\rthree\r\n" + longLine);
    const std::string loaded = "one\r\ntwo\r\nthree\r\n" + longLine;
    panel.ShowReloaded(owner.get());
    EXPECT_TRUE(WindowText(panel.InforMemo()) == loaded);
    EXPECT_EQ(TopLeft(panel.Window()).x, TopLeft(owner.get()).x);
    // Shown again, and reloaded for an artist without a file: nothing changes.
    scratch.MakeFile(L"Texts\\The Band\\Sonvera Artist info.txt", "changed");
    panel.ShowReloaded(owner.get());
    artist = L"Nobody";
    choose(0);
    EXPECT_TRUE(WindowText(panel.InforMemo()) == loaded);
    artist.clear();
    SetWindowTextA(panel.InforMemo(), "shared\r\n\r\nnotes");
    choose(1);
    EXPECT_EQ(scratch.Read(L"Texts\\Sonvera Artist info.txt"), "shared\r\n\r\nnotes");

    choose(3);
    EXPECT_FALSE(panel.IsVisible());
    artist = L"The Band";
    panel.ShowReloaded(owner.get());
    EXPECT_EQ(WindowText(panel.InforMemo()), "changed");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PanelsTest, ArtistFileFailuresAreReportedAndChangeNeitherTheTextNorAFile)
{
    ArtistInfoPanel panel(owner.get(), files);
    const auto capacity = static_cast<std::size_t>(SendMessageA(panel.InforMemo(), EM_GETLIMITTEXT, 0, 0));
    const std::wstring file = L"\\Sonvera Artist info.txt";
    scratch.MakeFile(L"Texts\\Read only" + file, "kept", FILE_ATTRIBUTE_READONLY);
    scratch.MakeFile(L"Texts\\Locked" + file, "kept");
    scratch.MakeFile(L"Sonvera Artist info.txt", "kept");
    // Fits on disk, but not once every line feed is CR LF.
    scratch.MakeFile(L"Texts\\Long" + file, std::string(capacity / 2, '\n') + "x");
    const std::wstring locked = scratch.Path() + L"Texts\\Locked" + file;
    UniqueFileHandle holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    struct Case { const wchar_t *artist, *message; bool save; };
    const Case cases[] = {
        {L"Nobody", L"Cannot create file ", true}, {L"Read only", L"Cannot create file ", true},
        {L"Locked", L"Cannot create file ", true}, {L"Locked", L"Cannot open file ", false},
        {L"..", L"Cannot create file ", true},     {L"..", L"", false},
        {L"Long", L"Text exceeds memo capacity", false}, {L"Mötley Crüe", L"Cannot create file ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Cp1251(c.artist) + (c.save ? " saved" : " reloaded"));
        artist = c.artist;
        SetWindowTextA(panel.InforMemo(), "mine");
        boxes.shown.clear();
        SendMessageA(panel.Window(), WM_COMMAND, GetMenuItemID(panel.ContextMenu(), c.save ? 1 : 0), 0);
        EXPECT_EQ(WindowText(panel.InforMemo()), "mine");
        const std::wstring path = scratch.Path() + L"Texts\\" + artist + L"\\Sonvera Artist info.txt";
        const std::wstring message = c.message;
        const std::wstring expected = message.empty() ? L"" : message + (message.ends_with(L"file ") ? path : L"") + L".";
        EXPECT_EQ(boxes.shown.empty() ? L"" : boxes.shown.back().wideText, expected);
        EXPECT_LE(boxes.shown.size(), 1u);
    }
    // A failed reload ends the show command too.
    artist = L"Locked";
    EXPECT_THROW(panel.ShowReloaded(owner.get()), std::runtime_error);
    EXPECT_FALSE(panel.IsVisible());
    holder.reset();
    for (const std::wstring& kept : {L"Texts\\Read only" + file, L"Texts\\Locked" + file, file})
        EXPECT_EQ(scratch.Read(kept), "kept");
    EXPECT_THAT(scratch.Names(L"Texts"), ElementsAre(L"Locked", L"Long", L"Read only"));
}

TEST_F(PanelsTest, ArtistNotesKeepTheirEncodingAndGainUtf8OnlyWhenTheUserAgrees)
{
    ArtistInfoPanel panel(owner.get(), files);
    const std::wstring file = L"Texts\\The Band\\Sonvera Artist info.txt";
    const std::string notes = "\xEF\xBB\xBF" + Utf8(L"Łódź, ґанок\r\n\U0001F600");
    scratch.MakeFile(file, notes);
    panel.InforMemoRefreshClick();
    SendMessageA(panel.InforMemo(), EM_SETMODIFY, TRUE, 0);
    panel.InforMemoSaveClick();
    EXPECT_EQ(scratch.Read(file), notes);

    scratch.MakeFile(file, Cp1251(L"ёж"));
    panel.InforMemoRefreshClick();
    SetWindowTextW(panel.InforMemo(), L"ёж ł");
    boxes.answer = IDYES;
    panel.InforMemoSaveClick();
    EXPECT_EQ(scratch.Read(file), "\xEF\xBB\xBF" + Utf8(L"ёж ł"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].type, UINT{MB_YESNO | MB_ICONQUESTION});
}

namespace {

// Records the menu that opens, then closes every menu as soon as its loop runs,
// as if the user had pressed Escape. The edit control's own menu opens without
// the opening notice, so the closing cannot wait for it.
HMENU openedMenu = nullptr;

LRESULT CALLBACK RecordOpeningMenus(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITMENUPOPUP)
        openedMenu = reinterpret_cast<HMENU>(call->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CloseMenusAtOnce(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU)
        EndMenu();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Ends the test program when a menu outlives its time: a menu loop that
// nothing closes would otherwise hold the whole run until CTest gives up.
class MenuDeadline {
public:
    MenuDeadline() : watcher_(CreateThread(nullptr, 0, &Watch, closed_.get(), 0, nullptr)) {}
    ~MenuDeadline()
    {
        SetEvent(closed_.get());
        WaitForSingleObject(watcher_.get(), INFINITE);
    }

private:
    static DWORD WINAPI Watch(void* closed)
    {
        if (WaitForSingleObject(closed, 15000) == WAIT_TIMEOUT) {
            std::fputs("FAILED: a context menu stayed open for 15 seconds\n", stderr);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 1);
        }
        return 0;
    }

    UniqueKernelHandle closed_{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    UniqueKernelHandle watcher_;
};

} // namespace

TEST_F(PanelsTest, RightClickOnTheMemoOpensTheArtistMenu)
{
    ArtistInfoPanel panel(owner.get());
    panel.Show({40, 40});
    POINT inside{20, 20};
    ClientToScreen(panel.InforMemo(), &inside);

    HHOOK recorder = SetWindowsHookExA(WH_CALLWNDPROC, RecordOpeningMenus, nullptr, GetCurrentThreadId());
    HHOOK closer = SetWindowsHookExA(WH_MSGFILTER, CloseMenusAtOnce, nullptr, GetCurrentThreadId());
    ASSERT_NE(recorder, nullptr);
    ASSERT_NE(closer, nullptr);
    // Keeps messages coming through a menu's loop, so that the closer runs.
    const UINT_PTR ticker = SetTimer(nullptr, 0, 100, nullptr);
    const MenuDeadline deadline;
    struct {
        const char* how;
        LPARAM position;
    } const cases[] = {
        {"mouse", MAKELPARAM(inside.x, inside.y)},
        {"keyboard", MAKELPARAM(-1, -1)},
    };
    for (const auto& attempt : cases) {
        SCOPED_TRACE(attempt.how);
        openedMenu = nullptr;
        SendMessageA(panel.InforMemo(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel.InforMemo()),
                     attempt.position);
        EXPECT_EQ(openedMenu, panel.ContextMenu());
    }
    KillTimer(nullptr, ticker);
    UnhookWindowsHookEx(closer);
    UnhookWindowsHookEx(recorder);
}

TEST(ToolbarIcons, DifferFromEachOtherOnATransparentBackground)
{
    std::vector<Pixels> drawn;
    for (const ToolbarIcon icon : {ToolbarIcon::Refresh, ToolbarIcon::Trim, ToolbarIcon::Norm, ToolbarIcon::Next,
                                   ToolbarIcon::Info, ToolbarIcon::Save, ToolbarIcon::Options}) {
        SCOPED_TRACE(static_cast<int>(icon));
        UniqueGdiObject bitmap(CreateToolbarIconBitmap(icon));
        const Pixels pixels = ReadPixels(static_cast<HBITMAP>(bitmap.get()));
        EXPECT_EQ(pixels.bitsPerPixel, 32);

        int transparent = 0;
        int opaque = 0;
        for (std::uint32_t pixel : pixels.values) {
            const std::uint32_t alpha = pixel >> 24;
            transparent += alpha == 0;
            opaque += alpha == 0xFF;
            // Premultiplied: no channel brighter than its alpha.
            ASSERT_LE((pixel >> 16) & 0xFF, alpha);
            ASSERT_LE((pixel >> 8) & 0xFF, alpha);
            ASSERT_LE(pixel & 0xFF, alpha);
        }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 10);
        EXPECT_EQ(transparent + opaque, static_cast<int>(pixels.values.size()));

        // On a background colour: the same drawing, opaque, the colour around it.
        UniqueGdiObject flat(CreateToolbarIconBitmap(icon, RGB(212, 208, 200)));
        const Pixels flattened = ReadPixels(static_cast<HBITMAP>(flat.get()));
        ASSERT_EQ(flattened.values.size(), pixels.values.size());
        for (std::size_t index = 0; index < pixels.values.size(); ++index)
            ASSERT_EQ(flattened.values[index], pixels.values[index] >> 24 ? pixels.values[index] : 0xFFD4D0C8u)
                << index;
        for (const Pixels& other : drawn)
            EXPECT_NE(other.values, pixels.values);
        drawn.push_back(pixels);
    }
}

TEST(ToolbarIcons, PlayerGlyphsFitTheFlatButtonsAndDifferFromEachOther)
{
    const PlayerGlyph glyphs[] = {PlayerGlyph::Prev,   PlayerGlyph::Play,  PlayerGlyph::Next,   PlayerGlyph::Stop,
                                  PlayerGlyph::Jump,   PlayerGlyph::Prev5s, PlayerGlyph::Pause, PlayerGlyph::Next5s,
                                  PlayerGlyph::Open,   PlayerGlyph::Add};
    std::vector<Pixels> drawn;
    for (PlayerGlyph glyph : glyphs) {
        SCOPED_TRACE(static_cast<int>(glyph));
        UniqueGdiObject bitmap(CreatePlayerGlyphBitmap(glyph));
        Pixels pixels = ReadPixels(static_cast<HBITMAP>(bitmap.get()));
        // Inside a 13x9 button's one-pixel frame.
        EXPECT_LE(pixels.size.cx, 13 - 2);
        EXPECT_LE(pixels.size.cy, 9 - 2);
        int opaque = 0;
        for (std::uint32_t pixel : pixels.values)
            opaque += pixel >> 24 == 0xFF;
        EXPECT_GT(opaque, 5);
        EXPECT_LT(opaque, static_cast<int>(pixels.values.size()));
        drawn.push_back(std::move(pixels));
    }
    for (std::size_t first = 0; first < drawn.size(); ++first)
        for (std::size_t second = first + 1; second < drawn.size(); ++second)
            EXPECT_NE(drawn[first].values, drawn[second].values) << first << " and " << second;
}
