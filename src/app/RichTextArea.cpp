#include "app/RichTextArea.h"

#include "editing/TextEncoding.h"
#include "editing/TextTidying.h"
#include "win/AnsiCase.h"
#include "win/DeviceContext.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The code page that hands the text area UTF-16 text unconverted.
constexpr UINT UnicodeCodePage = 1200;

std::u16string ControlUnicodeText(HWND memo)
{
    GETTEXTLENGTHEX lengthRequest{GTL_PRECISE | GTL_NUMCHARS, UnicodeCodePage};
    const LRESULT length = SendMessageA(memo, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0);
    if (length <= 0)
        return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(char16_t));
    request.flags = GT_DEFAULT;
    request.codepage = UnicodeCodePage;
    const LRESULT copied =
        SendMessageA(memo, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

std::size_t CaretPosition(HWND memo)
{
    CHARRANGE selection{};
    SendMessageA(memo, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection.cpMin > 0 ? static_cast<std::size_t>(selection.cpMin) : 0;
}

void Select(HWND memo, std::size_t from, std::size_t to)
{
    CHARRANGE range{static_cast<LONG>(from), static_cast<LONG>(to)};
    SendMessageA(memo, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

// A rich edit may walk all its paragraphs for every line break a replacement
// removes or adds, and once more for every edit (Wine's does). Up to this many
// breaks one replacement of the whole changed stretch is cheapest.
constexpr std::size_t MostBreaksReplacedAtOnce = 1500;

// Beyond that, either one edit per line, which leaves every break where it
// is but costs a walk over the whole text each, or a rewrite of everything
// from the first change on. Measured on Wine, a rewrite costs about as much
// per paragraph as this many paragraphs walked by edits.
constexpr std::size_t ParagraphsWalkedPerRewrittenParagraph = 4000;

// Breaks deleted per step when the text is cut from its end backwards. Each
// step stays near the end, where joining paragraphs shifts little after them;
// anything from a few dozen to a few hundred measured the same.
constexpr std::size_t BreaksDeletedAtOnce = 200;

template <typename Char>
bool IsBreak(Char c)
{
    return c == '\r' || c == '\n';
}

template <typename Char>
std::size_t CountBreaks(std::basic_string_view<Char> text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsBreak<Char>));
}

enum class Plan { Edits, Rewrite };

// Either edits (perhaps merged into one) or a rewrite from the first change.
template <typename Char>
Plan Planned(std::basic_string_view<Char> text, BasicTextEdits<Char>& edits)
{
    if (edits.size() < 2)
        return Plan::Edits;
    const std::size_t begin = edits.front().offset;
    const std::size_t end = edits.back().offset + edits.back().length;
    if (CountBreaks(text.substr(begin, end - begin)) <= MostBreaksReplacedAtOnce) {
        edits = {MergedEdit(text, edits)};
        return Plan::Edits;
    }
    const std::size_t paragraphs = CountBreaks(text) + 1;
    const std::size_t rewritten = CountBreaks(text.substr(begin)) + 1;
    return edits.size() * paragraphs <= ParagraphsWalkedPerRewrittenParagraph * rewritten ? Plan::Edits : Plan::Rewrite;
}

// One command's changes: no painting and no change notifications while they
// are made; then one repaint, and one change notification when the text
// changed and the parent asked for them.
class QuietChanges {
public:
    explicit QuietChanges(HWND memo)
        : memo_(memo),
          // Turning redrawing back on would show a hidden text area (as in
          // external-editor mode); a hidden one does not paint anyway.
          suspendRedraw_((GetWindowLongPtrA(memo, GWL_STYLE) & WS_VISIBLE) != 0),
          eventMask_(static_cast<DWORD>(SendMessageA(memo, EM_SETEVENTMASK, 0, 0)))
    {
        if (suspendRedraw_)
            SendMessageA(memo_, WM_SETREDRAW, FALSE, 0);
    }
    ~QuietChanges()
    {
        SendMessageA(memo_, EM_SETEVENTMASK, 0, static_cast<LPARAM>(eventMask_));
        if (suspendRedraw_) {
            SendMessageA(memo_, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(memo_, nullptr, TRUE);
        }
        if (changed_ && (eventMask_ & ENM_CHANGE)) {
            const auto id = static_cast<WORD>(GetDlgCtrlID(memo_));
            SendMessageA(GetParent(memo_), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(memo_));
        }
    }
    QuietChanges(const QuietChanges&) = delete;
    QuietChanges& operator=(const QuietChanges&) = delete;

    template <typename Char>
    void Apply(const BasicTextEdits<Char>& edits)
    {
        std::ptrdiff_t shift = 0;
        for (const BasicTextEdit<Char>& edit : edits) {
            const std::size_t from = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(edit.offset) + shift);
            Replace(from, from + edit.length, edit.replacement.c_str());
            shift += static_cast<std::ptrdiff_t>(edit.replacement.size()) - static_cast<std::ptrdiff_t>(edit.length);
        }
        if (!edits.empty())
            MarkChanged();
    }

    // Replaces everything from `from` on with the same stretch of `newText`:
    // cut from the end backwards (deleting from `from` forwards would make
    // every joined paragraph shift all those after it), then one insertion
    // at the end, which is as cheap as filling an empty text area.
    template <typename Char>
    void Rewrite(std::basic_string_view<Char> text, const std::basic_string<Char>& newText, std::size_t from)
    {
        static constexpr Char Nothing[] = {'\0'};
        std::size_t end = text.size();
        while (end > from) {
            std::size_t start = end;
            for (std::size_t breaks = 0; start > from; --start)
                if (IsBreak(text[start - 1]) && ++breaks > BreaksDeletedAtOnce)
                    break;
            Replace(start, end, Nothing);
            end = start;
        }
        Replace(from, from, newText.c_str() + from);
        MarkChanged();
    }

    void PlaceCaret(std::size_t position)
    {
        Select(memo_, position, position);
        SendMessageA(memo_, EM_SCROLLCARET, 0, 0);
    }

private:
    void Replace(std::size_t from, std::size_t to, const char* replacement)
    {
        Select(memo_, from, to);
        SendMessageA(memo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(replacement));
    }

    void Replace(std::size_t from, std::size_t to, const char16_t* replacement)
    {
        Select(memo_, from, to);
        SETTEXTEX how{ST_SELECTION, UnicodeCodePage};
        SendMessageA(memo_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(replacement));
    }

    void MarkChanged()
    {
        changed_ = true;
        SendMessageA(memo_, EM_SETMODIFY, TRUE, 0);
    }

    HWND memo_;
    bool suspendRedraw_;
    DWORD eventMask_;
    bool changed_ = false;
};

// Turns `text`, the text area's, into `newText`, which `edits` make of it.
template <typename Char>
void Change(HWND memo, std::basic_string_view<Char> text, const std::basic_string<Char>& newText,
            BasicTextEdits<Char> edits, std::size_t caret)
{
    const Plan plan = Planned(text, edits);
    QuietChanges changes(memo);
    if (plan == Plan::Rewrite)
        changes.Rewrite(text, newText, edits.front().offset);
    else
        changes.Apply(edits);
    changes.PlaceCaret(caret);
}

// Calls `tidy(text, caret, toUpper, toLower)` on the text area's text: in code
// page 1251, with the system's ANSI letter case, as it always was, when that
// holds every character; otherwise in UTF-16, so that none is lost.
template <typename Tidy>
void TidyText(HWND memo, Tidy&& tidy)
{
    const std::size_t caret = CaretPosition(memo);
    const std::u16string unicode = ControlUnicodeText(memo);
    if (const std::optional<std::string> text = EncodeText(unicode, Cp1251Format))
        tidy(std::string_view(*text), caret, MakeUpperAnsi, MakeLowerAnsi);
    else
        tidy(std::u16string_view(unicode), caret, MakeUpperUnicode, MakeLowerUnicode);
}

} // namespace

std::u16string RichTextArea::Text() const
{
    return ControlUnicodeText(control_);
}

void RichTextArea::SetAnsiText(std::string_view text)
{
    looks_.Clear();
    SetWindowTextA(control_, std::string(text).c_str());
    SendMessageA(control_, EM_SETMODIFY, FALSE, 0);
}

void RichTextArea::SetUnicodeText(std::u16string_view text)
{
    looks_.Clear();
    const std::u16string terminated(text);
    SETTEXTEX how{ST_DEFAULT, UnicodeCodePage};
    SendMessageA(control_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(terminated.c_str()));
    SendMessageA(control_, EM_SETMODIFY, FALSE, 0);
}

bool RichTextArea::Modified() const
{
    // Wine answers -1 for a modified text.
    return SendMessageA(control_, EM_GETMODIFY, 0, 0) != 0;
}

void RichTextArea::SetModified(bool modified)
{
    SendMessageA(control_, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void RichTextArea::MoveCaretToStart()
{
    Select(control_, 0, 0);
}

std::size_t RichTextArea::Caret() const
{
    return CaretPosition(control_);
}

void RichTextArea::MoveCaret(std::size_t at)
{
    Select(control_, at, at);
}

void RichTextArea::Trim()
{
    HWND memo = control_;
    TidyText(memo, [memo](auto text, std::size_t caret, auto, auto) {
        const auto trimmed = TrimText(text, caret);
        Change(memo, text, trimmed.text, trimmed.edits, trimmed.caret);
    });
}

void RichTextArea::Normalise()
{
    HWND memo = control_;
    TidyText(memo, [memo](auto text, std::size_t caret, auto toUpper, auto toLower) {
        const auto normalised = NormaliseText(text, toUpper, toLower);
        Change(memo, text, normalised.text, normalised.edits, caret);
    });
}

UniqueFont RichTextArea::TextFont() const
{
    // The rich edit does not answer WM_GETFONT: the font is made again from
    // its default character format, the way the control makes it.
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(control_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));

    LOGFONTA font{};
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY), 1440);
    if ((format.dwMask & CFM_WEIGHT) && format.wWeight != 0)
        font.lfWeight = format.wWeight;
    else
        font.lfWeight = (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (format.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    font.lfUnderline = (format.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
    font.lfStrikeOut = (format.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
    font.lfCharSet = format.bCharSet;
    font.lfPitchAndFamily = format.bPitchAndFamily;
    static_assert(sizeof font.lfFaceName == sizeof format.szFaceName);
    std::memcpy(font.lfFaceName, format.szFaceName, sizeof font.lfFaceName);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return UniqueFont(CreateFontIndirectA(&font));
}
