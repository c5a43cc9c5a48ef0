#pragma once

#include <windows.h>

// The program as the taskbar sees it: a top-level window of class `TApplication`
// titled "Winamp Sonvera", with no size, that owns the main window and carries
// the taskbar button. Minimising the program minimises this window, which hides
// the windows it owns; restoring it brings them back. A second start of the
// program finds it by class and title and restores it.
class TApplication {
public:
    explicit TApplication(HINSTANCE instance);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HWND Window() const { return window_; }
    HINSTANCE Instance() const { return instance_; }

    // The window whose end ends the program; its close box and the taskbar
    // button's "Close" close it.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
    HWND MainWindow() const { return mainWindow_; }
    // Tests create and close main windows without ending their own loop.
    void SetQuitWhenMainWindowCloses(bool quit) { quitWhenMainWindowCloses_ = quit; }
    void MainWindowDestroyed(HWND window);

    void ShowTaskbarButton();
    void Minimize();

private:
    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; }
    HWND ErrorReportOwner() const { return mainWindow_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ActivateMainWindow();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND mainWindow_ = nullptr;
    bool quitWhenMainWindowCloses_ = true;
};
