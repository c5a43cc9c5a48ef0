#pragma once

#include "artist/ArtistInfoPath.h"
#include "editing/TextEncoding.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <string>

// The artist info panel (`ArtistInfo`): a floating tool window holding the
// memo `InforMemo`, whose context menu `ArtistInfoPopup` reloads, saves or
// closes it. The panel is not tied to the song: it reads and writes the notes
// file of the artist of the moment only when the user asks, and keeps its text
// (an earlier artist's, or the user's typing) until then.
class ArtistInfoPanel {
public:
    // Names the notes file at the moment of each command.
    using InfoFileSource = std::function<ArtistInfoFile()>;

    explicit ArtistInfoPanel(HWND mainWindow, InfoFileSource infoFile = {});
    ~ArtistInfoPanel();
    ArtistInfoPanel(const ArtistInfoPanel&) = delete;
    ArtistInfoPanel& operator=(const ArtistInfoPanel&) = delete;

    // The show command: nothing while the panel is visible; otherwise reloads
    // it and shows it, the first time over the top-left corner of `firstPlace`.
    // A reload that fails ends the command with the panel hidden.
    void ShowReloaded(HWND firstPlace);
    // Shows the panel: with its top-left corner at `screenTopLeft` the first
    // time, later where the user left it.
    void Show(POINT screenTopLeft);
    void Hide();

    // "Обновить": the file's text in place of the memo's, when the file exists.
    // "Сохранить": the memo's text, exactly, as the whole file, in the format
    // the file was last read or written in (code page 1251 for another
    // file); no folder is made, and a read-only file stays as it is. Text
    // that format cannot hold is written as the main window's is: after the
    // user agrees to UTF-8 with a mark, never losing a character. Both throw
    // the standard report's message when they fail, and leave the memo and
    // the file as they were.
    void InforMemoRefreshClick();
    void InforMemoSaveClick();

    HWND Window() const { return window_; }
    HWND InforMemo() const { return memo_; }
    bool IsVisible() const;

    // `ArtistInfoPopup`: "Обновить", "Сохранить", a separator, "Закрыть".
    HMENU ContextMenu() const;

private:
    struct MenuTraits {
        static constexpr LiveKind Kind = LiveKind::Handle;
        using Type = HMENU;
        static Type Invalid() noexcept { return nullptr; }
        static void Close(Type menu) noexcept { ::DestroyMenu(menu); }
    };

    template <typename WindowClass>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void AttachWindow(HWND window) { window_ = window; }
    void DetachWindow() { window_ = nullptr; memo_ = nullptr; }
    HWND ErrorReportOwner() const { return window_; }
    static LRESULT CALLBACK MemoProcedure(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    // The memo's font at the panel's scale.
    void TakeFont();
    void ShowContextMenu(LPARAM screenPosition);
    void Command(int id);

    HWND window_ = nullptr;
    HWND memo_ = nullptr;
    UniqueGdiObject font_;
    UniqueHandle<MenuTraits> menu_;
    InfoFileSource infoFile_;
    bool placed_ = false;
    // The file the memo's text came from or went to last, and its format.
    std::wstring loadedFile_;
    ShownTextFormat loadedFormat_;
};
