#pragma once

#include "win/DisplayScale.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <array>

// The about panel (`AboutMe`): a fixed-size floating tool window whose tab
// control (`PageControl1`) holds the author's picture, the program
// description, the version history and the thanks. Hidden until shown;
// closing it only hides it.
class AboutPanel {
public:
    explicit AboutPanel(HWND mainWindow);
    ~AboutPanel();
    AboutPanel(const AboutPanel&) = delete;
    AboutPanel& operator=(const AboutPanel&) = delete;

    // Switches to the picture tab and shows the panel: with its top-left
    // corner at `screenTopLeft` the first time, later where the user left it.
    void Show(POINT screenTopLeft);

    HWND Window() const { return window_; }
    bool IsVisible() const;
    // Zero-based; 0 is the picture.
    int ActiveTab() const;

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return window_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    HWND CreateTextPage(HINSTANCE instance, int controlId, int textId);
    // Fonts, picture and places at the panel's scale.
    void PlaceControls();
    void SelectTab(int index);
    void ShowPageOf(int tab);

    DisplayScale scale_;
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    std::array<HWND, 4> pages_{};
    UniqueGdiObject tabFont_;
    UniqueGdiObject textFont_;
    UniqueGdiObject decodedPicture_;
    // As the picture tab shows it, at the panel's scale.
    UniqueGdiObject picture_;
    bool placed_ = false;
};
