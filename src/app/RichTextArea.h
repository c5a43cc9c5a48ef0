#pragma once

#include "editing/TextArea.h"

#include <windows.h>

#include <optional>
#include <string>

// The main window's text area: a rich edit ("RichEdit20A") in plain text mode
// holding code page 1251 text, or UTF-16 text where a file needs it. It does
// not own the control.
//
// The tidying commands read the caret and the text, work out the new text,
// put the changes in with the area's repainting suspended, and repaint once.
// A text that changes counts as modified (and the parent hears of it once, if
// it listens for changes); a text already tidy is left untouched, its
// modified flag included. Code page 1251 text is tidied with the system's
// ANSI letter case, as it always was, when that holds every character.
class RichTextArea final : public TextArea {
public:
    // Works on `control` as it is: looks set here are kept but not drawn.
    explicit RichTextArea(HWND control = nullptr) : control_(control) {}
    RichTextArea(const RichTextArea&) = delete;
    RichTextArea& operator=(const RichTextArea&) = delete;
    ~RichTextArea();
    // Works on `control` for good, and draws the looks of a followed text
    // over the control's own painting.
    void Attach(HWND control);

    HWND Window() const override { return control_; }
    std::u16string Text() const override;
    void SetAnsiText(std::string_view text) override;
    void SetUnicodeText(std::u16string_view text) override;
    bool Modified() const override;
    void SetModified(bool modified) override;
    void MoveCaretToStart() override;
    std::size_t Caret() const override;
    void MoveCaret(std::size_t at) override;
    void Trim() override;
    void Normalise() override;
    UniqueFont TextFont() const override;

    // In RichTextLooks.cpp.
    void EnableLooks(bool enabled) override;
    void SetLooks(std::span<const LookedRange> ranges) override;
    Look LookAt(std::size_t index) const override { return looks_.At(index); }
    long ViewTop() const override;
    void ScrollToCharacter(std::size_t at) override;
    void KeepInView(std::size_t at) override;
    std::size_t CharacterAt(POINT point) const override;
    void SetReadOnly(bool readOnly) override;
    // The current line's colours: the label's.
    void SetLookColours(COLORREF ink, COLORREF paper);

private:
    static LRESULT CALLBACK LooksProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    // The control's own window procedure back in place.
    void Detach();
    // Draws the looks on `dc` (the area's own when null) over the rows of
    // `painted` that the control has just painted.
    void DrawLooks(HDC dc, HRGN painted);
    LONG RowHeight();

    HWND control_ = nullptr;
    TextLooks looks_;
    // The font the looks draw with, and its rows' height: the control's own.
    UniqueFont lookFont_;
    LONG rowHeight_ = 0;
    // The text as the current line draws it, until anything may change it.
    std::optional<std::u16string> lookText_;
    // One pixel of the paper, laid half over the sung rows (the context goes
    // first, letting go of the pixel).
    UniqueGdiObject paperPixel_;
    UniqueMemoryDeviceContext paperDc_;
    DWORD* paperBits_ = nullptr;
    COLORREF currentInk_ = GetSysColor(COLOR_BTNTEXT);
    COLORREF currentPaper_ = GetSysColor(COLOR_BTNFACE);
};
