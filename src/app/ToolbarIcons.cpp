#include "app/ToolbarIcons.h"

#include "win/DeviceContext.h"
#include "win/UniqueHandle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string_view>

namespace {

// Painted wherever the background is to show through; no drawing uses it.
constexpr COLORREF Hole = RGB(255, 0, 255);

constexpr COLORREF Outline = RGB(64, 64, 64);
constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF FoldShade = RGB(192, 192, 192);
constexpr COLORREF TextInk = RGB(0, 0, 128);
constexpr COLORREF LetterInk = RGB(0, 0, 0);
constexpr COLORREF ArrowBlue = RGB(0, 64, 192);
constexpr COLORREF ArrowGreen = RGB(0, 128, 0);
constexpr COLORREF ArrowRed = RGB(192, 0, 0);
constexpr COLORREF InfoDisc = RGB(32, 96, 208);
constexpr COLORREF InfoRim = RGB(0, 48, 144);
constexpr COLORREF DiskBody = RGB(40, 56, 120);
constexpr COLORREF DiskRim = RGB(16, 24, 64);
constexpr COLORREF DiskMetal = RGB(200, 200, 200);
constexpr COLORREF LabelLines = RGB(160, 160, 160);
constexpr COLORREF Steel = RGB(150, 160, 170);
constexpr COLORREF SteelRim = RGB(48, 48, 48);
constexpr COLORREF GlyphInk = RGB(0, 0, 0);

struct Ink {
    char key;
    COLORREF colour;
};

// A small 32-bpp drawing surface. Coordinates are inclusive pixel positions
// of the design at 96 DPI, which keeps the pixel-exact drawings below
// readable; at a larger scale each shape is drawn again at its scaled place,
// every stroke at least as thick as a design pixel has become, rather than
// the small picture being stretched.
class Canvas {
public:
    Canvas(SIZE designSize, DisplayScale scale)
        : size_{scale.Pixels(designSize.cx), scale.Pixels(designSize.cy)}, scale_(scale),
          // A design pixel's stroke: 2 at 150 %, so that lines keep one
          // thickness wherever they fall.
          stroke_(std::max(1, (scale.Dpi() + DesignDpi / 2) / DesignDpi))
    {
        void* bits = nullptr;
        bitmap_.reset(TopDownBitmap(size_, &bits));
        pixels_ = static_cast<std::uint32_t*>(bits);
        dc_.reset(CreateCompatibleDC(nullptr));
        if (bitmap_ && dc_) {
            selectedBitmap_ = SelectedObject(dc_.get(), bitmap_.get());
            const RECT whole{0, 0, size_.cx, size_.cy};
            Fill(whole, Hole);
        }
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Rect(int left, int top, int right, int bottom, COLORREF colour)
    {
        Fill({At(left), At(top), std::max(At(right + 1), At(right) + stroke_),
              std::max(At(bottom + 1), At(bottom) + stroke_)},
             colour);
    }

    void Pixel(int x, int y, COLORREF colour) { Rect(x, y, x, y, colour); }

    // Straight, level, upright or at 45 degrees, as the drawings have them;
    // both ends included.
    void Line(int x0, int y0, int x1, int y1, COLORREF colour)
    {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int step = 0; step <= steps; ++step)
            Pixel(steps ? x0 + (x1 - x0) * step / steps : x0, steps ? y0 + (y1 - y0) * step / steps : y0, colour);
    }

    void Ellipse(int left, int top, int right, int bottom, COLORREF fill, COLORREF rim)
    {
        UniqueGdiObject pen(CreatePen(PS_INSIDEFRAME, stroke_, rim));
        UniqueGdiObject brush(CreateSolidBrush(fill));
        const SelectedObject selectedPen(dc_.get(), pen.get());
        const SelectedObject selectedBrush(dc_.get(), brush.get());
        ::Ellipse(dc_.get(), At(left), At(top), At(right + 1), At(bottom + 1));
    }

    // Rows of characters, one per pixel; a character with no ink is left alone.
    void Sprite(int x, int y, std::span<const std::string_view> rows, std::initializer_list<Ink> inks)
    {
        int row = 0;
        for (std::string_view line : rows) {
            for (int column = 0; column < static_cast<int>(line.size()); ++column)
                for (const Ink& ink : inks)
                    if (ink.key == line[column])
                        Pixel(x + column, y + row, ink.colour);
            ++row;
        }
    }

    // A triangle pointing left or right, `depth` columns deep, 2 * depth - 1 rows high.
    void Triangle(int tipX, int middleY, int depth, bool pointsLeft, COLORREF colour)
    {
        for (int step = 0; step < depth; ++step) {
            const int x = pointsLeft ? tipX + step : tipX - step;
            Line(x, middleY - step, x, middleY + step, colour);
        }
    }

    // A chevron 4 columns wide and 7 rows high, stroke 2 pixels wide.
    void Chevron(int left, int top, bool pointsLeft, COLORREF colour)
    {
        static constexpr int Offsets[] = {3, 2, 1, 0, 1, 2, 3};
        for (int row = 0; row < 7; ++row) {
            const int offset = Offsets[row];
            const int first = pointsLeft ? left + offset : left + 3 - offset;
            const int second = pointsLeft ? first + 1 : first - 1;
            Pixel(first, top + row, colour);
            if (row != 0 && row != 6)
                Pixel(second, top + row, colour);
        }
    }

    // Hands the drawing over as an alpha bitmap, or flattened on `background`.
    HBITMAP Finish(COLORREF background)
    {
        if (!bitmap_ || !dc_ || !pixels_)
            return nullptr;
        GdiFlush();
        const std::uint32_t hole = ToPixel(Hole, 0);
        const std::uint32_t behind = background == CLR_INVALID ? 0 : ToPixel(background, 0xFF);
        for (long index = 0; index < static_cast<long>(size_.cx) * size_.cy; ++index) {
            const std::uint32_t colour = pixels_[index] & 0x00FFFFFFu;
            pixels_[index] = colour == hole ? behind : (colour | 0xFF000000u);
        }
        selectedBitmap_.Restore();
        return static_cast<HBITMAP>(bitmap_.release());
    }

private:
    // Where a design pixel's left or top edge falls.
    int At(int design) const { return scale_.Pixels(design); }

    // Straight into the bitmap's memory, after whatever GDI still has to draw:
    // a brush for each pixel of a drawing costs more than the drawing.
    void Fill(const RECT& area, COLORREF colour)
    {
        if (!pixels_)
            return;
        GdiFlush();
        const std::uint32_t value = ToPixel(colour, 0);
        for (LONG y = std::max(area.top, 0L); y < std::min(area.bottom, size_.cy); ++y)
            for (LONG x = std::max(area.left, 0L); x < std::min(area.right, size_.cx); ++x)
                pixels_[y * size_.cx + x] = value;
    }

    static std::uint32_t ToPixel(COLORREF colour, std::uint32_t alpha)
    {
        return alpha << 24 | static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
               static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
    }

    SIZE size_;
    DisplayScale scale_;
    int stroke_;
    UniqueGdiObject bitmap_;
    UniqueMemoryDeviceContext dc_;
    std::uint32_t* pixels_ = nullptr;
    SelectedObject selectedBitmap_;
};

constexpr std::string_view SmallLetterA[] = {
    ".XXXX.",
    "X...XX",
    "....XX",
    ".XXXXX",
    "XX..XX",
    "XX..XX",
    "XX.XXX",
    ".XX.XX",
};

void DrawPageOfText(Canvas& canvas)
{
    // A sheet with its top right corner folded over.
    canvas.Rect(3, 1, 10, 14, Paper);
    canvas.Rect(11, 2, 11, 14, Paper);
    canvas.Rect(12, 3, 12, 14, Paper);
    canvas.Line(2, 0, 10, 0, Outline);
    canvas.Line(2, 0, 2, 15, Outline);
    canvas.Line(2, 15, 13, 15, Outline);
    canvas.Line(13, 3, 13, 15, Outline);
    canvas.Line(10, 0, 13, 3, Outline);
    canvas.Line(10, 1, 10, 3, Outline);
    canvas.Line(10, 3, 12, 3, Outline);
    canvas.Pixel(11, 2, FoldShade);
    canvas.Line(4, 5, 11, 5, TextInk);
    canvas.Line(4, 7, 9, 7, TextInk);
    canvas.Line(4, 9, 11, 9, TextInk);
    canvas.Line(4, 11, 10, 11, TextInk);
    canvas.Line(4, 13, 8, 13, TextInk);
}

constexpr std::string_view ArrowRight[] = {
    "..X..",
    "...X.",
    "XXXXX",
    "...X.",
    "..X..",
};
constexpr std::string_view ArrowLeft[] = {
    "..X..",
    ".X...",
    "XXXXX",
    ".X...",
    "..X..",
};
constexpr std::string_view ArrowUp[] = {
    "..X..",
    ".XXX.",
    "X.X.X",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
};
constexpr std::string_view ArrowDown[] = {
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "..X..",
    "X.X.X",
    ".XXX.",
    "..X..",
};

void DrawLetterBetweenArrows(Canvas& canvas)
{
    // Arrows pressing in from both sides: the text moves to the margin and
    // loses its blank edges.
    canvas.Sprite(6, 5, SmallLetterA, {{'X', LetterInk}});
    canvas.Sprite(0, 7, ArrowRight, {{'X', ArrowBlue}});
    canvas.Sprite(13, 7, ArrowLeft, {{'X', ArrowBlue}});
}

void DrawLetterBetweenUpAndDown(Canvas& canvas)
{
    // Up to a capital, down to small letters.
    canvas.Sprite(6, 5, SmallLetterA, {{'X', LetterInk}});
    canvas.Sprite(0, 4, ArrowUp, {{'X', ArrowGreen}});
    canvas.Sprite(13, 4, ArrowDown, {{'X', ArrowRed}});
}

void DrawBentArrow(Canvas& canvas)
{
    canvas.Rect(1, 1, 2, 8, ArrowGreen);
    canvas.Rect(1, 7, 7, 8, ArrowGreen);
    canvas.Rect(8, 4, 8, 11, ArrowGreen);
    canvas.Rect(9, 5, 9, 10, ArrowGreen);
    canvas.Rect(10, 6, 10, 9, ArrowGreen);
    canvas.Rect(11, 7, 11, 8, ArrowGreen);
}

void DrawLetterI(Canvas& canvas)
{
    canvas.Ellipse(0, 0, 15, 15, InfoDisc, InfoRim);
    canvas.Rect(7, 3, 8, 4, Paper);
    canvas.Rect(7, 6, 8, 11, Paper);
    canvas.Pixel(6, 6, Paper);
    canvas.Rect(6, 12, 9, 12, Paper);
}

void DrawFloppyDisk(Canvas& canvas)
{
    canvas.Rect(0, 0, 15, 15, DiskBody);
    canvas.Pixel(15, 0, Hole);
    canvas.Line(0, 0, 14, 0, DiskRim);
    canvas.Line(0, 0, 0, 15, DiskRim);
    canvas.Line(0, 15, 15, 15, DiskRim);
    canvas.Line(15, 1, 15, 15, DiskRim);
    canvas.Rect(4, 1, 11, 5, DiskMetal);
    canvas.Rect(8, 2, 9, 4, DiskBody);
    canvas.Rect(3, 8, 12, 14, Paper);
    canvas.Line(4, 10, 11, 10, LabelLines);
    canvas.Line(4, 12, 11, 12, LabelLines);
}

constexpr std::string_view Spanner[] = {
    "................",
    "........#####...",
    ".......#sss#....",
    "......#sss#...#.",
    "......#ss#...##.",
    "......#s#...#s#.",
    "......#ss#.#ss#.",
    "......#sss#sss#.",
    ".....#sssssss#..",
    "....#sss#####...",
    "...#sss#........",
    "..#sss#.........",
    ".#sss#..........",
    "#sss#...........",
    ".#s#............",
    "..#.............",
};

void DrawSpanner(Canvas& canvas)
{
    canvas.Sprite(0, 0, Spanner, {{'#', SteelRim}, {'s', Steel}});
}

constexpr std::string_view ArrowsAtABox[] = {
    "...........",
    "....XXX....",
    "..X.X.X.X..",
    "XXXXX.XXXXX",
    "..X.X.X.X..",
    "....XXX....",
    "...........",
};

void DrawPlayerGlyph(Canvas& canvas, PlayerGlyph glyph)
{
    switch (glyph) {
    case PlayerGlyph::Prev:
        canvas.Line(2, 0, 2, 6, GlyphInk);
        canvas.Triangle(4, 3, 4, true, GlyphInk);
        break;
    case PlayerGlyph::Play:
        canvas.Triangle(7, 3, 4, false, GlyphInk);
        break;
    case PlayerGlyph::Next:
        canvas.Triangle(6, 3, 4, false, GlyphInk);
        canvas.Line(8, 0, 8, 6, GlyphInk);
        break;
    case PlayerGlyph::Stop:
        canvas.Rect(2, 0, 8, 6, GlyphInk);
        break;
    case PlayerGlyph::Jump:
        canvas.Sprite(0, 0, ArrowsAtABox, {{'X', GlyphInk}});
        break;
    case PlayerGlyph::Prev5s:
        canvas.Chevron(1, 0, true, GlyphInk);
        canvas.Chevron(5, 0, true, GlyphInk);
        break;
    case PlayerGlyph::Pause:
        canvas.Rect(3, 0, 4, 6, GlyphInk);
        canvas.Rect(6, 0, 7, 6, GlyphInk);
        break;
    case PlayerGlyph::Next5s:
        canvas.Chevron(2, 0, false, GlyphInk);
        canvas.Chevron(6, 0, false, GlyphInk);
        break;
    case PlayerGlyph::Open:
        for (int row = 0; row < 4; ++row)
            canvas.Line(5 - row, row, 5 + row, row, GlyphInk);
        canvas.Rect(2, 5, 8, 6, GlyphInk);
        break;
    case PlayerGlyph::Add:
        canvas.Rect(5, 0, 5, 6, GlyphInk);
        canvas.Rect(2, 3, 8, 3, GlyphInk);
        break;
    }
}

} // namespace

SIZE ToolbarIconSize(ToolbarIcon icon)
{
    switch (icon) {
    case ToolbarIcon::Trim:
    case ToolbarIcon::Norm:
        return {18, 18};
    case ToolbarIcon::Next:
        return {13, 13};
    case ToolbarIcon::Refresh:
    case ToolbarIcon::Info:
    case ToolbarIcon::Save:
    case ToolbarIcon::Options:
        break;
    }
    return {16, 16};
}

HBITMAP CreateToolbarIconBitmap(ToolbarIcon icon, COLORREF background, DisplayScale scale)
{
    Canvas canvas(ToolbarIconSize(icon), scale);
    switch (icon) {
    case ToolbarIcon::Refresh:
        DrawPageOfText(canvas);
        break;
    case ToolbarIcon::Trim:
        DrawLetterBetweenArrows(canvas);
        break;
    case ToolbarIcon::Norm:
        DrawLetterBetweenUpAndDown(canvas);
        break;
    case ToolbarIcon::Next:
        DrawBentArrow(canvas);
        break;
    case ToolbarIcon::Info:
        DrawLetterI(canvas);
        break;
    case ToolbarIcon::Save:
        DrawFloppyDisk(canvas);
        break;
    case ToolbarIcon::Options:
        DrawSpanner(canvas);
        break;
    }
    return canvas.Finish(background);
}

HBITMAP CreatePlayerGlyphBitmap(PlayerGlyph glyph, COLORREF background, DisplayScale scale)
{
    Canvas canvas(PlayerGlyphSize, scale);
    DrawPlayerGlyph(canvas, glyph);
    return canvas.Finish(background);
}

void DrawPanelItem(const DRAWITEMSTRUCT& item, bool bevel, HBITMAP glyph)
{
    RECT bounds = item.rcItem;
    FillRect(item.hDC, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    if (bevel) {
        RECT line = bounds;
        line.left = (bounds.left + bounds.right) / 2 - 1;
        line.right = line.left + 2;
        DrawEdge(item.hDC, &line, EDGE_ETCHED, BF_LEFT);
        return;
    }
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    if (pressed)
        DrawEdge(item.hDC, &bounds, BDR_SUNKENOUTER, BF_RECT);
    if (!glyph)
        return;
    BITMAP size = {};
    GetObjectA(glyph, sizeof size, &size);
    const int x = bounds.left + (bounds.right - bounds.left - size.bmWidth) / 2 + (pressed ? 1 : 0);
    const int y = bounds.top + (bounds.bottom - bounds.top - size.bmHeight) / 2 + (pressed ? 1 : 0);
    const UniqueMemoryDeviceContext source(CreateCompatibleDC(item.hDC));
    const SelectedObject glyphIn(source.get(), glyph);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(disabled ? 80 : 255), AC_SRC_ALPHA};
    GdiAlphaBlend(item.hDC, x, y, size.bmWidth, size.bmHeight, source.get(), 0, 0, size.bmWidth, size.bmHeight, blend);
}
