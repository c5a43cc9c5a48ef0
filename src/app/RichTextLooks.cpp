// The looks of a followed text's lines: the rich edit in rich text mode,
// formatted range by range without the user seeing the selection move.
#include "app/RichTextArea.h"

#include <richedit.h>

#include <algorithm>

namespace {

// The sung lines' ink: between the text's and the paper's.
constexpr COLORREF SungInk = RGB(128, 128, 128);
// Lines kept above the current one when it is scrolled into view.
constexpr int LinesAbove = 2;
// Lines kept below the current one before the view moves on.
constexpr int LinesBelow = 3;

// The rows of the area's client rectangle that the characters [start, end)
// lie on, cut to the client rectangle (empty when out of view).
RECT BandOf(HWND memo, std::size_t start, std::size_t end)
{
    RECT band{};
    GetClientRect(memo, &band);
    const auto topOf = [memo](LRESULT at) {
        POINTL point{};
        SendMessageW(memo, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), at);
        return point.y;
    };
    const LRESULT lastRow = SendMessageW(memo, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(end));
    const LRESULT next = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(lastRow + 1), 0);
    band.top = std::max(band.top, topOf(static_cast<LRESULT>(start)));
    if (next >= 0)
        band.bottom = std::min(band.bottom, topOf(next));
    return band;
}

// What a range change must leave as it was: the selection, the view, the
// modified flag, the change notifications. Painting waits for the end and
// repaints only the rows that changed: no look changes a character's width,
// so no row moves (and should one, everything below the first change is
// repainted).
class UnseenChange {
public:
    UnseenChange(HWND memo, std::span<const TextArea::LookedRange> ranges)
        : memo_(memo), ranges_(ranges), visible_((GetWindowLongPtrW(memo, GWL_STYLE) & WS_VISIBLE) != 0),
          modified_(SendMessageW(memo, EM_GETMODIFY, 0, 0) != 0),
          eventMask_(static_cast<DWORD>(SendMessageW(memo, EM_SETEVENTMASK, 0, 0))),
          rows_(SendMessageW(memo, EM_GETLINECOUNT, 0, 0))
    {
        SendMessageW(memo_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        SendMessageW(memo_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
        // What was waiting to be painted is lost while the area is hidden.
        pending_ = GetUpdateRect(memo_, &pendingRect_, FALSE) != FALSE;
        if (visible_)
            SendMessageW(memo_, WM_SETREDRAW, FALSE, 0);
    }
    ~UnseenChange()
    {
        SendMessageW(memo_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        SendMessageW(memo_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
        SendMessageW(memo_, EM_SETMODIFY, modified_ ? TRUE : FALSE, 0);
        SendMessageW(memo_, EM_SETEVENTMASK, 0, static_cast<LPARAM>(eventMask_));
        if (!visible_)
            return;
        SendMessageW(memo_, WM_SETREDRAW, TRUE, 0);
        if (pending_)
            InvalidateRect(memo_, &pendingRect_, FALSE);
        const bool rowsMoved = SendMessageW(memo_, EM_GETLINECOUNT, 0, 0) != rows_;
        RECT client{};
        GetClientRect(memo_, &client);
        for (const auto& [start, end, look] : ranges_) {
            RECT band = BandOf(memo_, start, end);
            if (rowsMoved)
                band.bottom = client.bottom;
            if (band.bottom > band.top)
                InvalidateRect(memo_, &band, FALSE);
        }
    }
    UnseenChange(const UnseenChange&) = delete;
    UnseenChange& operator=(const UnseenChange&) = delete;

private:
    HWND memo_;
    std::span<const TextArea::LookedRange> ranges_;
    bool visible_;
    bool modified_;
    DWORD eventMask_;
    LRESULT rows_;
    CHARRANGE selection_{};
    POINT scroll_{};
    bool pending_ = false;
    RECT pendingRect_{};
};

// Gives [start, end) of `memo` a look, through the selection.
void SetRangeLook(HWND memo, std::size_t start, std::size_t end, TextArea::Look look, COLORREF ink, COLORREF paper)
{
    using Look = TextArea::Look;
    const CHARRANGE range{static_cast<LONG>(start), static_cast<LONG>(end)};
    SendMessageW(memo, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_UNDERLINE | CFM_COLOR | CFM_BACKCOLOR;
    const bool current = look == Look::Current || look == Look::CurrentWord;
    format.dwEffects = (look == Look::CurrentWord ? CFE_UNDERLINE : 0) |
                       (look == Look::Plain ? CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR : 0) |
                       (look == Look::Sung ? CFE_AUTOBACKCOLOR : 0);
    format.crTextColor = current ? ink : SungInk;
    format.crBackColor = paper;
    SendMessageW(memo, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

} // namespace

void RichTextArea::EnableLooks(bool enabled)
{
    // Only an empty control takes a new mode.
    SetWindowTextW(control_, L"");
    SendMessageW(control_, EM_SETTEXTMODE,
                 (enabled ? TM_RICHTEXT : TM_PLAINTEXT) | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
}

void RichTextArea::SetLooks(std::span<const LookedRange> ranges)
{
    const UnseenChange unseen(control_, ranges);
    for (const auto& [start, end, look] : ranges) {
        if (end > start)
            SetRangeLook(control_, start, end, look, currentInk_, currentPaper_);
    }
}

std::size_t RichTextArea::FirstVisibleCharacter() const
{
    return CharacterAt({1, 1});
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
    const LRESULT last = SendMessageW(control_, EM_EXLINEFROMCHAR, 0,
                                      static_cast<LPARAM>(CharacterAt({1, std::max<LONG>(client.bottom - 1, 1)})));
    const LRESULT line = SendMessageW(control_, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(at));
    // The lines ahead stay in view too; the view moves a page at a time
    // rather than a line, which would repaint it all on every line.
    if (line >= first && line <= std::max(first, last - LinesBelow))
        return;
    // Painted once, whole, rather than moved and then painted in part.
    const bool visible = (GetWindowLongPtrW(control_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible)
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    ScrollToCharacter(at);
    if (visible) {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, FALSE);
    }
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
