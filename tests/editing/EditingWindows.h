#pragma once

#include <windows.h>

#include <richedit.h>

#include <string>

// A top-level window laid out like the program's main window: a menu bar,
// the artist-and-title label (a static control in bold Arial) at the top and
// the text area below it, a "RichEdit20A" in plain-text mode set up as the
// program sets it up. The text area is narrower than the client area so that
// the two widths differ. Hidden unless shown.
class EditingWindows {
public:
    EditingWindows();
    ~EditingWindows();
    EditingWindows(const EditingWindows&) = delete;
    EditingWindows& operator=(const EditingWindows&) = delete;

    HWND Main() const { return main_; }
    HWND Memo() const { return memo_; }
    HWND Label() const { return label_; }
    HFONT MemoFont() const { return memoFont_; }
    HFONT LabelFont() const { return labelFont_; }

    // The text area's font, as the options would set it by name and size.
    void SetMemoFont(const char* face, int points);

    // The text as WM_SETTEXT takes it, the modified flag cleared afterwards.
    void SetText(const std::string& text) const;
    // The text as WM_GETTEXT gives it: paragraph breaks as CR LF.
    std::string Text() const;

    void Select(LONG from, LONG to) const;
    CHARRANGE Selection() const;
    // Where `needle` first occurs in the control's own character count, -1 if not.
    LONG Find(const std::string& needle) const;
    bool Modified() const;

    // EN_CHANGE notifications the main window has received from the text area.
    int changeNotifications = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND main_ = nullptr;
    HWND memo_ = nullptr;
    HWND label_ = nullptr;
    HFONT memoFont_ = nullptr;
    HFONT labelFont_ = nullptr;
};

// Width in pixels of `text` drawn in `font`, measured on a screen context.
int MeasureText(HFONT font, const std::string& text);

int OuterWidth(HWND window);
int OuterHeight(HWND window);
int ClientWidth(HWND window);

// Runs what has been posted to this thread's windows, paint requests included.
void DispatchPending();
