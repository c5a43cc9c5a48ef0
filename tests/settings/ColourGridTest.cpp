#include "settings/ColourGrid.h"
#include "settings/OptionRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A grid of 20 × 20-pixel cells in a hidden top-level window.
class ColourGridTest : public testing::Test {
protected:
    ColourGridTest() { grid.onChange = [this] { ++changes; }; }
    ~ColourGridTest() override { DestroyWindow(parent); }

    static LPARAM CentreOf(int cell) { return MAKELPARAM(cell % 8 * 20 + 10, cell / 8 * 20 + 10); }
    void Send(UINT message, WPARAM wParam, LPARAM lParam = 0) { SendMessageA(grid.Window(), message, wParam, lParam); }

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ColourGrid grid{parent, 100, {0, 0, 160, 40}};
    int changes = 0;
};

TEST_F(ColourGridTest, ButtonsAndDragsPickOnlyWhatChanges)
{
    struct Step {
        UINT message;
        WPARAM buttons;
        LPARAM point;
        int foreground, background, changes;
    };
    const Step steps[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(0), 0, 7, 0}, // already the foreground
        {WM_MOUSEMOVE, MK_LBUTTON, CentreOf(1), 1, 7, 1},
        {WM_MOUSEMOVE, MK_LBUTTON, CentreOf(10), 10, 7, 2},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 5), 10, 7, 2}, // dragged off the grid
        {WM_LBUTTONUP, 0, CentreOf(10), 10, 7, 2},
        {WM_MOUSEMOVE, 0, CentreOf(4), 10, 7, 2}, // no button held
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(159, 39), 10, 15, 3},
        {WM_MOUSEMOVE, MK_RBUTTON, CentreOf(10), 10, 10, 4},
        {WM_MBUTTONDOWN, MK_MBUTTON, CentreOf(3), 10, 3, 5},
        {WM_MOUSEMOVE, MK_MBUTTON | MK_LBUTTON, CentreOf(5), 5, 5, 7},
    };
    for (const Step& step : steps) {
        Send(step.message, step.buttons, step.point);
        EXPECT_EQ(grid.ForegroundIndex(), step.foreground) << &step - steps;
        EXPECT_EQ(grid.BackgroundIndex(), step.background) << &step - steps;
        EXPECT_EQ(changes, step.changes) << &step - steps;
    }
    EXPECT_EQ(grid.FocusedCell(), 5);
}

TEST_F(ColourGridTest, KeysMoveTheFocusAndPickTheFocusedCell)
{
    struct Step {
        WPARAM key;
        int focused, foreground, background;
    };
    const Step steps[] = {
        {VK_LEFT, 0, 0, 7},   {VK_UP, 0, 0, 7},    {'B', 0, 0, 0},     {VK_RIGHT, 1, 0, 0}, {'F', 1, 1, 0},
        {'F', 1, 1, 0},       {VK_DOWN, 9, 1, 0},  {VK_DOWN, 9, 1, 0}, {'B', 9, 1, 9},     {VK_LEFT, 8, 1, 9},
        {VK_LEFT, 7, 1, 9},   {VK_END, 15, 1, 9},  {VK_RIGHT, 15, 1, 9}, {VK_SPACE, 0, 1, 9}, {VK_HOME, 0, 1, 9},
        {'X', 0, 1, 9},
    };
    for (const Step& step : steps) {
        Send(WM_KEYDOWN, step.key);
        EXPECT_EQ(grid.FocusedCell(), step.focused) << &step - steps;
        EXPECT_EQ(grid.ForegroundIndex(), step.foreground) << &step - steps;
        EXPECT_EQ(grid.BackgroundIndex(), step.background) << &step - steps;
    }
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(GetWindowLongA(grid.Window(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(SendMessageA(grid.Window(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
}

TEST_F(ColourGridTest, SettersCallTheHandlerOnlyForANewIndexInTheTable)
{
    EXPECT_TRUE(grid.SetForegroundIndex(0) && grid.SetBackgroundIndex(7));
    for (int refused : {-1, 16})
        EXPECT_FALSE(grid.SetForegroundIndex(refused) || grid.SetBackgroundIndex(refused)) << refused;
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(grid.SetForegroundIndex(15) && grid.SetBackgroundIndex(15));
    EXPECT_EQ(changes, 2);
}

// The table is the system's 20-entry default palette without its four extra
// colours (entries 8 to 11). Each cell shows its colour and an "FB" mark that
// stands out clearly from it.
TEST_F(ColourGridTest, CellsShowTheDefaultPaletteAndReadableMarks)
{
    PALETTEENTRY palette[20]{};
    ASSERT_EQ(GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 20, palette), 20u);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 160, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int cell = 0; cell < 16; ++cell) {
        grid.SetForegroundIndex(cell);
        grid.SetBackgroundIndex(cell);
        Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        const PALETTEENTRY& entry = palette[cell < 8 ? cell : cell + 4];
        const int left = cell % 8 * 20, top = cell / 8 * 20;
        EXPECT_EQ(GetPixel(memory, left + 2, top + 2), RGB(entry.peRed, entry.peGreen, entry.peBlue)) << cell;
        int contrast = 0;
        for (int x = left + 2; x < left + 18; ++x)
            for (int y = top + 2; y < top + 18; ++y) {
                const COLORREF pixel = GetPixel(memory, x, y);
                contrast = std::max(contrast, std::abs(GetRValue(pixel) - entry.peRed) +
                                                  std::abs(GetGValue(pixel) - entry.peGreen));
            }
        EXPECT_GE(contrast, 200) << cell;
    }
    DeleteObject(SelectObject(memory, old));
    DeleteDC(memory);
}

} // namespace
