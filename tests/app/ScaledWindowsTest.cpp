// The windows on a screen at 150 %: CTest runs this program in a Wine prefix
// whose system scale is 144 DPI. A move to a monitor of another scale is sent
// in-process, as Windows sends it.
#include "app/AboutPanel.h"
#include "app/MainWindowFixture.h"
#include "app/PanelResources.h"
#include "app/SonveraIds.h"
#include "artist/ArtistInfoPanel.h"
#include "settings/OptionsFixture.h"
#include "win/WindowDpi.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

class ScreenAt144Dpi : public ::testing::Environment {
    void SetUp() override
    {
        ASSERT_EQ(SystemScale().Dpi(), 144) << "run through CTest, which gives this program a prefix at 144 DPI";
    }
};
const auto* const screen = ::testing::AddGlobalTestEnvironment(new ScreenAt144Dpi);

void ChangeScale(HWND window, int dpi, const RECT& suggested)
{
    SendMessageA(window, DpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// `scaled` is `design` × `factor` within a pixel; the right edge only where the design fixes it.
void ExpectScaled(const RECT& scaled, const RECT& design, double factor, bool right = true)
{
    EXPECT_NEAR(scaled.left, design.left * factor, 1);
    EXPECT_NEAR(scaled.top, design.top * factor, 1);
    EXPECT_NEAR(scaled.bottom, design.bottom * factor, 1);
    if (right) {
        EXPECT_NEAR(scaled.right, design.right * factor, 1);
    }
}

int FontPixels(HGDIOBJ font)
{
    LOGFONTA shape{};
    GetObjectA(font, sizeof shape, &shape);
    return -shape.lfHeight;
}

int FontPixels(HWND control)
{
    return FontPixels(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
}

int TextWidth(HWND control, const std::string& text)
{
    HDC context = GetDC(control);
    HGDIOBJ old = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(context, old);
    ReleaseDC(control, context);
    return extent.cx;
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The toolbar, the label's panel and the status line across the window, then
// the player panel, its buttons and divider, and the toolbar's buttons.
constexpr std::size_t PartsAcross = 3;
std::vector<RECT> Places(TSonveraMain& window)
{
    // The status line as high as it is, wherever the bottom of the window puts it.
    RECT status = BoundsInParent(window.StatusBar());
    OffsetRect(&status, 0, -status.top);
    std::vector<RECT> places{BoundsInParent(window.ToolBar1()), BoundsInParent(window.Panel1()), status,
                             BoundsInParent(window.WinampCtrlPanel())};
    for (UINT id = ID_WinampPrev; id <= ID_WinampAdd; ++id)
        places.push_back(BoundsInParent(window.WinampButton(id)));
    places.push_back(BoundsInParent(GetDlgItem(window.WinampCtrlPanel(), ID_Bevel1)));
    for (UINT id = ID_ButtRefresh; id <= ID_ButtOptions; ++id) {
        places.emplace_back();
        SendMessageA(window.ToolBar1(), TB_GETRECT, id, reinterpret_cast<LPARAM>(&places.back()));
    }
    return places;
}

TEST_F(MainWindowTest, AtOneAndAHalfTheStoredSizeShowsLargerWithFontsOfItsPoints)
{
    WatchedMain& window = CreateMain();
    const RECT bounds = WindowBounds(window.Window());
    EXPECT_EQ(bounds.right - bounds.left, 300);
    EXPECT_EQ(bounds.bottom - bounds.top, 450);
    WindowGeometry kept;
    window.KeepGeometry(kept, false);
    EXPECT_EQ(kept.width, 200);
    EXPECT_EQ(kept.height, 300);

    // 10, 8 and 12 points at 144 DPI.
    EXPECT_EQ(FontPixels(window.AnT()), 20);
    EXPECT_EQ(FontPixels(window.StatusBar()), 16);
    EXPECT_EQ(FontPixels(window.Text().TextFont().get()), 24);
    // The 18-pixel icons drawn at 27 pixels.
    int side = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(window.ToolBar1(), TB_GETIMAGELIST, 0, 0)), &side,
                          &side);
    EXPECT_EQ(side, 27);

    // The panels take the main window's scale.
    EXPECT_EQ(ClientSize(window.AboutMe().Window()).cx, 516);
    const auto picture = [&] {
        BITMAP shown{};
        GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(GetDlgItem(window.AboutMe().Window(), IDC_ABOUT_PICTURE),
                                                          STM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof shown, &shown);
        return SIZE{shown.bmWidth, shown.bmHeight};
    };
    EXPECT_EQ(picture().cx, 480);
    EXPECT_EQ(picture().cy, 360);
    const RECT about = WindowBounds(window.AboutMe().Window());
    ChangeScale(window.AboutMe().Window(), 96, {about.left, about.top, about.left + 400, about.top + 300});
    EXPECT_EQ(picture().cx, 320);
    EXPECT_EQ(ClientSize(window.ArtistInfo().Window()).cx, 300);
    EXPECT_EQ(FontPixels(window.ArtistInfo().InforMemo()), 17);
}

TEST_F(MainWindowTest, PartsLieAtTheirDesignPlacesScaledAndAMoveToAnotherScaleLosesNothing)
{
    WatchedMain& window = CreateMain();
    SetWindowTextA(window.Memo2(), "The words");
    SendMessageA(window.Memo2(), EM_SETMODIFY, TRUE, 0);
    window.EnableButton(ID_ButtNext, true);
    window.EnableButton(ID_WinampAdd, false);
    const RECT at144 = WindowBounds(window.Window());
    const std::vector<RECT> places = Places(window);

    const RECT at96{at144.left, at144.top, at144.left + 200, at144.top + 300};
    ChangeScale(window.Window(), 96, at96);
    const RECT moved = WindowBounds(window.Window());
    EXPECT_EQ(std::memcmp(&moved, &at96, sizeof moved), 0) << "the suggested rectangle is taken";
    const std::vector<RECT> designed = Places(window);
    ASSERT_EQ(designed.size(), places.size());
    for (std::size_t part = 0; part < places.size(); ++part) {
        SCOPED_TRACE(part);
        ExpectScaled(places[part], designed[part], 1.5, part >= PartsAcross);
    }

    ChangeScale(window.Window(), 144, at144);
    const std::vector<RECT> back = Places(window);
    EXPECT_EQ(std::memcmp(back.data(), places.data(), places.size() * sizeof(RECT)), 0);
    EXPECT_EQ(WindowTextOf(window.Memo2()), "The words");
    EXPECT_NE(SendMessageA(window.Memo2(), EM_GETMODIFY, 0, 0), 0);
    EXPECT_TRUE(window.IsButtonEnabled(ID_ButtNext));
    EXPECT_FALSE(window.IsButtonEnabled(ID_WinampAdd));
}

TEST_F(MainWindowTest, TheExternalEditorModesSmallWindowIsScaledToo)
{
    settings.openByShell = true;
    const ::ClientSize client = CreateMain().ClientArea();
    // Seven buttons of 20 pixels, two of border, the player panel of 73 and its
    // gap of 5; the toolbar of 29, the label of 20 and the status line of 19.
    EXPECT_NEAR(client.width, (140 + 2 + 73 + 5) * 1.5, 1);
    EXPECT_NEAR(client.height, (29 + 20 + 19) * 1.5, 1);
}

void ExpectCaptionWhole(HWND control, bool boxed)
{
    const int box = boxed ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
    const RECT bounds = WindowBounds(control);
    EXPECT_LE(TextWidth(control, WindowTextOf(control)) + box, bounds.right - bounds.left) << WindowTextOf(control);
}

// Every control of every tab where its row puts it at `factor`, a row with a
// negative top hanging from the page's bottom, and, at the scale Wine draws
// the boxes of check boxes and radio buttons at, every caption whole beside them.
void ExpectRowsScaled(const TOptions& options, double factor, bool captions)
{
    for (const OptionPage& page : OptionPages()) {
        HWND pageWindow = nullptr;
        for (const OptionControl& row : page.controls)
            if (!pageWindow && row.id != NoOptionId)
                pageWindow = GetParent(options.Control(row.id));
        const int bottom = ClientSize(pageWindow).cy;
        HWND control = GetWindow(pageWindow, GW_CHILD);
        for (const OptionControl& row : page.controls) {
            SCOPED_TRACE(::testing::Message() << "row at " << row.left << ", " << row.top << " × " << factor);
            RECT place = BoundsInParent(control);
            OffsetRect(&place, 0, row.top < 0 ? -bottom : 0);
            RECT design{row.left, row.top, row.left + row.width, row.top + row.height};
            if (row.kind == ControlKind::FontList)
                design.bottom = static_cast<LONG>(place.bottom / factor);
            ExpectScaled(place, design, factor, row.width != 0);
            if (captions && (row.kind == ControlKind::Label || row.kind == ControlKind::CheckBox))
                ExpectCaptionWhole(control, row.kind == ControlKind::CheckBox);
            for (int button = 0; row.kind == ControlKind::RadioGroup && button < 2; ++button) {
                control = GetWindow(control, GW_HWNDNEXT);
                if (captions)
                    ExpectCaptionWhole(control, true);
            }
            control = GetWindow(control, GW_HWNDNEXT);
        }
    }
}

TEST_F(OptionsWindowTest, EveryControlLiesAtItsRowScaledWithItsCaptionWholeAndTakesANewScale)
{
    EXPECT_EQ(FontPixels(options->Tabs()), 16);
    ExpectRowsScaled(*options, 1.5, true);
    const RECT at144 = WindowBounds(options->Window());
    ChangeScale(options->Window(), 96, {at144.left, at144.top, at144.left + 330, at144.top + 200});
    EXPECT_EQ(FontPixels(options->Tabs()), 11);
    ExpectRowsScaled(*options, 1, false);
}

} // namespace
