#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <functional>

// The artist info panel (`ArtistInfo`): a floating tool window holding the
// memo `InforMemo`, whose context menu `ArtistInfoPopup` reloads, saves or
// closes it. Reloading and saving are the main window's business and reach it
// through the handlers it sets; closing hides the panel.
class ArtistInfoPanel {
public:
    explicit ArtistInfoPanel(HWND mainWindow);
    ~ArtistInfoPanel();
    ArtistInfoPanel(const ArtistInfoPanel&) = delete;
    ArtistInfoPanel& operator=(const ArtistInfoPanel&) = delete;

    // Shows the panel: with its top-left corner at `screenTopLeft` the first
    // time, later where the user left it.
    void Show(POINT screenTopLeft);
    void Hide();

    HWND Window() const { return window_; }
    HWND InforMemo() const { return memo_; }
    bool IsVisible() const;

    // `ArtistInfoPopup`: "Обновить", "Сохранить", a separator, "Закрыть".
    HMENU ContextMenu() const;
    // Run by "Обновить" (`InforMemoRefresh`) and "Сохранить" (`InforMemoSave`).
    void SetRefreshHandler(std::function<void()> handler) { refresh_ = std::move(handler); }
    void SetSaveHandler(std::function<void()> handler) { save_ = std::move(handler); }

private:
    struct MenuTraits {
        using Type = HMENU;
        static Type Invalid() noexcept { return nullptr; }
        static void Close(Type menu) noexcept { ::DestroyMenu(menu); }
    };

    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; memo_ = nullptr; }
    HWND ErrorReportOwner() const { return window_; }
    static LRESULT CALLBACK MemoProcedure(HWND memo, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    void ShowContextMenu(LPARAM screenPosition);
    void Command(int id);

    HWND window_ = nullptr;
    HWND memo_ = nullptr;
    UniqueGdiObject font_;
    UniqueHandle<MenuTraits> menu_;
    std::function<void()> refresh_;
    std::function<void()> save_;
    bool placed_ = false;
};
