#pragma once

#include "editing/TextArea.h"

#include <windows.h>

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
    explicit RichTextArea(HWND control = nullptr) : control_(control) {}
    void Attach(HWND control) { control_ = control; }

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
    std::size_t FirstVisibleCharacter() const override;
    void ScrollToCharacter(std::size_t at) override;
    void KeepInView(std::size_t at) override;
    std::size_t CharacterAt(POINT point) const override;
    void SetReadOnly(bool readOnly) override;
    // The current line's colours: the label's.
    void SetLookColours(COLORREF ink, COLORREF paper);

private:
    HWND control_;
    COLORREF currentInk_ = GetSysColor(COLOR_BTNTEXT);
    COLORREF currentPaper_ = GetSysColor(COLOR_BTNFACE);
};
