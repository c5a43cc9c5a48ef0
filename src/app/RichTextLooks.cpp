// The looks of a followed text's lines, drawn over what the rich edit paints:
// the text keeps one format, so a line change costs the repaint of the rows
// that changed and no reformatting. The rows are found by arithmetic on the
// scroll position, as the text has one font: the rich edit tells where a
// character lies only through a device context of its own, which costs a
// trip to the window server under Wine.
#include "app/RichTextArea.h"

#include "win/DeviceContext.h"

#include <richedit.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// How much of the paper a sung line's ink takes on: half.
constexpr BYTE SungDimming = 128;
// Lines kept above the current one when it is scrolled into view.
constexpr int LinesAbove = 2;
// Lines kept below the current one before the view moves on.
constexpr int LinesBelow = 3;

LRESULT RowOf(HWND memo, std::size_t at)
{
    return SendMessageW(memo, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(at));
}

POINT PlaceOf(HWND memo, std::size_t at)
{
    POINTL point{};
    SendMessageW(memo, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), static_cast<LPARAM>(at));
    return {point.x, point.y};
}

// Where the area's rows lie: the text's first row's top and left, scrolled,
// and the height every row shares.
struct Rows {
    LONG top = 0;
    LONG left = 0;
    LONG height = 1;

    LONG TopOf(LRESULT row) const { return top + static_cast<LONG>(row) * height; }
    // The band of the rows [firstRow, lastRow], the area's width.
    RECT Band(const RECT& client, LRESULT firstRow, LRESULT lastRow) const
    {
        return {client.left, std::max(client.top, TopOf(firstRow)), client.right,
                std::min(client.bottom, TopOf(lastRow + 1))};
    }
};

Rows RowsOf(HWND memo, LONG rowHeight)
{
    // The text's first row lies at the top of the formatting rectangle,
    // scrolled up by the scroll position, in pixels.
    POINT scrolled{};
    SendMessageW(memo, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    RECT format{};
    SendMessageW(memo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return {format.top - scrolled.y, format.left - scrolled.x, std::max<LONG>(rowHeight, 1)};
}

// The first character of `row` among [start, end), where the rows of [start,
// end) include it: the rich edit tells a character's row at no cost.
std::size_t RowStart(HWND memo, std::size_t start, std::size_t end, LRESULT row)
{
    while (start < end) {
        const std::size_t middle = start + (end - start) / 2;
        if (RowOf(memo, middle) < row)
            start = middle + 1;
        else
            end = middle;
    }
    return start;
}

// Only what cannot change the text: anything else and the text is read again.
bool LeavesTextAlone(UINT message)
{
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_TIMER:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_GETTEXTLENGTH:
    case EM_CHARFROMPOS:
    case EM_POSFROMCHAR:
    case EM_EXLINEFROMCHAR:
    case EM_LINEFROMCHAR:
    case EM_LINEINDEX:
    case EM_GETLINECOUNT:
    case EM_GETFIRSTVISIBLELINE:
    case EM_LINESCROLL:
    case EM_GETSCROLLPOS:
    case EM_SETSCROLLPOS:
    case EM_EXGETSEL:
    case EM_GETSEL:
    case EM_GETMODIFY:
    case EM_GETTEXTEX:
    case EM_GETTEXTLENGTHEX:
    case EM_GETCHARFORMAT:
    case EM_GETRECT:
        return true;
    default:
        return false;
    }
}

// The line being sung, [start, end), in the label's colours, its word underlined.
void DrawCurrentLine(HWND memo, HDC dc, const Rows& rows, const RECT& band, std::size_t start, std::size_t end,
                     const std::u16string& text, const TextLooks& looks, COLORREF inkColour, COLORREF paperColour)
{
    const UniqueGdiObject paper(CreateSolidBrush(paperColour));
    FillRect(dc, &band, static_cast<HBRUSH>(paper.get()));
    const int tabStop = MulDiv(720, GetDeviceCaps(dc, LOGPIXELSX), 1440);
    end = std::min(end, text.size());
    if (end <= start)
        return;
    const LRESULT lastRow = RowOf(memo, end - 1);
    std::size_t rowStart = start;
    for (LRESULT row = RowOf(memo, start); row <= lastRow && rowStart < end; ++row) {
        const std::size_t rowEnd = row < lastRow ? RowStart(memo, rowStart, end, row + 1) : end;
        std::size_t shownEnd = rowEnd;
        while (shownEnd > rowStart && (text[shownEnd - 1] == u'\r' || text[shownEnd - 1] == u'\n'))
            --shownEnd;
        if (shownEnd > rowStart) {
            TabbedTextOutW(dc, rows.left, rows.TopOf(row), reinterpret_cast<const wchar_t*>(text.data() + rowStart),
                           static_cast<int>(shownEnd - rowStart), 1, &tabStop, rows.left);
        }
        rowStart = rowEnd;
    }
    // The word being sung, underlined.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const UniqueGdiObject ink(CreateSolidBrush(inkColour));
    for (const LookedTextRange& word : looks.Within(start, end)) {
        if (word.look != TextLook::CurrentWord || word.end <= word.start)
            continue;
        const POINT from = PlaceOf(memo, word.start);
        POINT to = PlaceOf(memo, word.end);
        if (word.end >= end || to.y != from.y) {
            // The word ends its row: it reaches as far as its last character's width.
            const std::size_t last = word.end - 1;
            const POINT lastPlace = PlaceOf(memo, last);
            SIZE extent{};
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data() + last), 1, &extent);
            to = {lastPlace.x + extent.cx, lastPlace.y};
        }
        const LONG underline = from.y + metrics.tmAscent + 1;
        const RECT mark{from.x, underline, to.x, underline + std::max<LONG>(1, metrics.tmHeight / 14)};
        FillRect(dc, &mark, static_cast<HBRUSH>(ink.get()));
    }
}

// The controls whose window procedure the areas stand in front of. Kept here
// rather than as window properties or comctl32's subclassing, which cost a
// trip to the window server on every message under Wine.
struct AttachedControl {
    HWND control;
    WNDPROC original;
    RichTextArea* area;
};

std::vector<AttachedControl>& AttachedControls()
{
    static std::vector<AttachedControl> attached;
    return attached;
}

AttachedControl* AttachedTo(HWND control)
{
    auto& attached = AttachedControls();
    const auto found = std::find_if(attached.begin(), attached.end(),
                                    [control](const AttachedControl& entry) { return entry.control == control; });
    return found != attached.end() ? &*found : nullptr;
}

} // namespace

RichTextArea::~RichTextArea()
{
    Detach();
}

void RichTextArea::Detach()
{
    AttachedControl* entry = control_ ? AttachedTo(control_) : nullptr;
    if (!entry || entry->area != this)
        return;
    // Put back unless another procedure stands in front of ours by now:
    // then ours only hands every message on.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control_, GWLP_WNDPROC)) == LooksProcedure) {
        SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->original));
        auto& attached = AttachedControls();
        attached.erase(attached.begin() + (entry - attached.data()));
    } else {
        entry->area = nullptr;
    }
}

void RichTextArea::Attach(HWND control)
{
    Detach();
    control_ = control;
    if (!control_ || AttachedTo(control_))
        return;
    // The ANSI call keeps the control an ANSI window.
    const auto original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LooksProcedure)));
    if (original)
        AttachedControls().push_back({control_, original, this});
}

LRESULT CALLBACK RichTextArea::LooksProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    AttachedControl* entry = AttachedTo(window);
    if (!entry)
        return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC original = entry->original;
    if (message == WM_NCDESTROY) {
        if (entry->area)
            entry->area->control_ = nullptr;
        auto& attached = AttachedControls();
        attached.erase(attached.begin() + (entry - attached.data()));
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    if (!entry->area)
        return CallWindowProcA(original, window, message, wParam, lParam);
    RichTextArea& area = *entry->area;
    if (!LeavesTextAlone(message))
        area.lookText_.reset();
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (area.looks_.Empty())
            break;
        RECT client{};
        GetClientRect(window, &client);
        const UniqueGdiObject painted(CreateRectRgnIndirect(&client));
        const int kind =
            message == WM_PAINT ? GetUpdateRgn(window, static_cast<HRGN>(painted.get()), FALSE) : SIMPLEREGION;
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        if (kind != NULLREGION && kind != ERROR) {
            try {
                area.DrawLooks(message == WM_PAINT ? nullptr : reinterpret_cast<HDC>(wParam),
                               static_cast<HRGN>(painted.get()));
            } catch (...) {
                // Only the looks go unpainted; the text is there.
            }
        }
        return result;
    }
    case WM_SETFONT:
        area.lookFont_.reset();
        area.rowHeight_ = 0;
        break;
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

void RichTextArea::DrawLooks(HDC dc, HRGN painted)
{
    RECT box{};
    GetRgnBox(painted, &box);
    RECT client{};
    GetClientRect(control_, &client);
    IntersectRect(&box, &box, &client);
    if (IsRectEmpty(&box))
        return;
    const Rows rows = RowsOf(control_, RowHeight());
    // The looks of the painted rows, the line being sung as one span with its word.
    struct Drawn {
        LookedTextRange range;
        RECT band;
    };
    std::vector<Drawn> drawn;
    const auto& ranges = looks_.Ranges();
    const auto beingSung = [](TextLook look) { return look == TextLook::Current || look == TextLook::CurrentWord; };
    for (auto piece = ranges.begin(); piece != ranges.end(); ++piece) {
        LookedTextRange range = *piece;
        if (beingSung(range.look)) {
            range.look = TextLook::Current;
            for (; piece + 1 != ranges.end() && piece[1].start == range.end && beingSung(piece[1].look); ++piece)
                range.end = piece[1].end;
        }
        const RECT band = rows.Band(client, RowOf(control_, range.start), RowOf(control_, range.end - 1));
        if (band.bottom > box.top && band.top < box.bottom)
            drawn.push_back({range, band});
    }
    if (drawn.empty())
        return;

    std::optional<WindowDc> own;
    if (!dc) {
        own.emplace(control_);
        dc = own->get();
    }
    const int saved = SaveDC(dc);
    SelectClipRgn(dc, painted);
    SelectObject(dc, lookFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, currentInk_);
    CHARRANGE selection{};
    SendMessageW(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    // A selection the user made stays as the rich edit shows it.
    const bool selected = selection.cpMax != selection.cpMin;
    // The caret is inverted over the text: drawn over, it would come back
    // inverted the wrong way. Hidden only where it is drawn over, as hiding
    // it asks the window server.
    const LONG caretTop = rows.TopOf(RowOf(control_, static_cast<std::size_t>(std::max<LONG>(selection.cpMax, 0))));
    const bool caretCovered = GetFocus() == control_ && std::any_of(drawn.begin(), drawn.end(), [&](const Drawn& look) {
                                  return caretTop < look.band.bottom && caretTop + rows.height > look.band.top;
                              });
    if (caretCovered)
        HideCaret(control_);
    for (const auto& [range, band] : drawn) {
        if (range.look == TextLook::Sung) {
            // The paper, half over the sung rows: their ink goes grey.
            if (!paperDc_) {
                paperDc_.reset(CreateCompatibleDC(nullptr));
                paperPixel_.reset(TopDownBitmap({1, 1}, reinterpret_cast<void**>(&paperBits_)));
                if (!paperDc_ || !paperPixel_ || !paperBits_)
                    continue;
                SelectObject(paperDc_.get(), paperPixel_.get());
            }
            const COLORREF paper = GetSysColor(COLOR_WINDOW);
            *paperBits_ = (GetRValue(paper) << 16) | (GetGValue(paper) << 8) | GetBValue(paper);
            GdiAlphaBlend(dc, band.left, band.top, band.right - band.left, band.bottom - band.top, paperDc_.get(), 0,
                          0, 1, 1, {AC_SRC_OVER, 0, SungDimming, 0});
        } else if (range.look == TextLook::Current && !selected) {
            if (!lookText_)
                lookText_ = Text();
            DrawCurrentLine(control_, dc, rows, band, range.start, range.end, *lookText_, looks_, currentInk_,
                            currentPaper_);
        }
    }
    if (caretCovered)
        ShowCaret(control_);
    RestoreDC(dc, saved);
}

LONG RichTextArea::RowHeight()
{
    if (!lookFont_)
        lookFont_ = TextFont();
    if (!rowHeight_) {
        // Every row is as high as the font: the text has no other.
        const WindowDc dc(control_);
        const SelectedObject font(dc.get(), lookFont_.get());
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        rowHeight_ = metrics.tmHeight;
    }
    return rowHeight_;
}

void RichTextArea::EnableLooks(bool enabled)
{
    // Only an empty control takes a new mode.
    looks_.Clear();
    SetWindowTextW(control_, L"");
    SendMessageW(control_, EM_SETTEXTMODE,
                 (enabled ? TM_RICHTEXT : TM_PLAINTEXT) | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
}

void RichTextArea::SetLooks(std::span<const LookedRange> ranges)
{
    RECT client{};
    GetClientRect(control_, &client);
    std::optional<Rows> rows;
    for (const LookedRange& range : ranges) {
        const TextSpan changed = looks_.Apply(range);
        if (changed.end <= changed.start)
            continue;
        if (!rows)
            rows = RowsOf(control_, RowHeight());
        const RECT band = rows->Band(client, RowOf(control_, changed.start), RowOf(control_, changed.end - 1));
        if (band.bottom > band.top)
            InvalidateRect(control_, &band, FALSE);
    }
}

long RichTextArea::ViewTop() const
{
    // Asked of the control without a device context, unlike where a
    // character lies.
    POINT scrolled{};
    SendMessageW(control_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    return scrolled.y;
}

void RichTextArea::ScrollToCharacter(std::size_t at)
{
    const LRESULT first = SendMessageW(control_, EM_GETFIRSTVISIBLELINE, 0, 0);
    const LRESULT line = SendMessageW(control_, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(at));
    SendMessageW(control_, EM_LINESCROLL, 0, static_cast<LPARAM>(std::max<LRESULT>(line - LinesAbove, 0) - first));
}

void RichTextArea::KeepInView(std::size_t at)
{
    RECT client{};
    GetClientRect(control_, &client);
    const LRESULT first = SendMessageW(control_, EM_GETFIRSTVISIBLELINE, 0, 0);
    const Rows rows = RowsOf(control_, RowHeight());
    const LRESULT last = (std::max<LONG>(client.bottom - 1, 0) - rows.top) / rows.height;
    const LRESULT line = SendMessageW(control_, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(at));
    // The lines ahead stay in view too; the view moves a page at a time
    // rather than a line, which would repaint it all on every line.
    if (line >= first && line <= std::max(first, last - LinesBelow))
        return;
    // Moved, and only the rows that come into view painted.
    ScrollToCharacter(at);
}

std::size_t RichTextArea::CharacterAt(POINT point) const
{
    POINTL where{point.x, point.y};
    const LRESULT at = SendMessageW(control_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&where));
    return at > 0 ? static_cast<std::size_t>(at) : 0;
}

void RichTextArea::SetReadOnly(bool readOnly)
{
    SendMessageW(control_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void RichTextArea::SetLookColours(COLORREF ink, COLORREF paper)
{
    currentInk_ = ink;
    currentPaper_ = paper;
}
