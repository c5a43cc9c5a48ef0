#pragma once

#include <windows.h>

#include <functional>

// The label's colour picker (`AnTColor`): 8 × 2 cells in the colours of the
// colour table, index 0 to 7 in the top row and 8 to 15 below. The left mouse
// button or F picks the foreground, the right or middle button or B the
// background; a held button keeps picking as it moves. The picked cells carry
// "FG" and "BG", or "FB" when they are one cell. The arrow keys, Home, End and
// Space move the keyboard focus between cells.
class ColourGrid {
public:
    // Creates the grid as a visible child of `parent` filling `bounds`.
    ColourGrid(HWND parent, int controlId, const RECT& bounds);
    ~ColourGrid();
    ColourGrid(const ColourGrid&) = delete;
    ColourGrid& operator=(const ColourGrid&) = delete;

    HWND Window() const { return window_; }

    int ForegroundIndex() const { return foreground_; }
    int BackgroundIndex() const { return background_; }
    // An index outside the table is refused and the grid keeps its pick.
    // Returns whether the index is now the one asked for.
    bool SetForegroundIndex(int index);
    bool SetBackgroundIndex(int index);
    int FocusedCell() const { return focused_; }

    // Runs once for every change of either index, by the user or by a setter.
    std::function<void()> onChange;

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return GetParent(window_); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    RECT CellRect(int cell) const;
    int CellAt(LPARAM clientPoint) const;
    bool Pick(int& index, int cell);
    void PickWithButtons(WPARAM buttons, int cell);
    void MoveFocus(WPARAM key);
    void Paint(HDC context) const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    int foreground_ = 0;
    int background_ = 7;
    int focused_ = 0;
};
