#pragma once

#include "sync/TextLooks.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The song's text area as everything outside the main window uses it: its
// text in either form, whether it was edited, the caret, and the tidying
// commands. The main window owns the one implementation, the only code that
// talks to the control.
class TextArea {
public:
    // For its place and size on the screen.
    virtual HWND Window() const = 0;

    // The text as the area holds it, every character in UTF-16: a paragraph
    // break is one CR, so that offsets into it are caret positions.
    virtual std::u16string Text() const = 0;
    // Puts in a text, code page 1251 or UTF-16, which then counts as unedited.
    virtual void SetAnsiText(std::string_view text) = 0;
    virtual void SetUnicodeText(std::u16string_view text) = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // The caret to the start of the text; where it is; the caret to `at`.
    virtual void MoveCaretToStart() = 0;
    virtual std::size_t Caret() const = 0;
    virtual void MoveCaret(std::size_t at) = 0;

    // Cuts blank lines and spaces from the start and end of the text and
    // spaces from the ends of every line. The caret moves back by what was
    // cut before it.
    virtual void Trim() = 0;
    // Makes the first character of every line upper case and the rest lower
    // case. The caret stays where it was.
    virtual void Normalise() = 0;

    // A font like the text's, to measure its lines with.
    virtual UniqueFont TextFont() const = 0;

    // A text followed as its song plays, where lines look different: the
    // area holds rich text while `enabled`, plain text otherwise. Either way
    // it is emptied. Positions below count characters of `Text()`.
    virtual void EnableLooks(bool enabled) = 0;
    using Look = TextLook;
    using LookedRange = LookedTextRange;
    // Gives the characters [start, end) of each range its look, in order,
    // leaving the caret, the selection, the view, the text and the modified
    // flag as they were. The looks are drawn over the text; emptying the
    // area or putting a text in forgets them.
    virtual void SetLooks(std::span<const LookedRange> ranges) = 0;
    virtual Look LookAt(std::size_t index) const = 0;
    // Where the view stands, in pixels down the text: it changes only when
    // the view moves.
    virtual long ViewTop() const = 0;
    // Scrolls so that the line of `at` is in view, a few lines below the top.
    virtual void ScrollToCharacter(std::size_t at) = 0;
    // Scrolls as above only when the line of `at` is out of view or near its bottom.
    virtual void KeepInView(std::size_t at) = 0;
    // The character nearest a point of the area, in its client coordinates.
    virtual std::size_t CharacterAt(POINT point) const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;

protected:
    ~TextArea() = default;
};
