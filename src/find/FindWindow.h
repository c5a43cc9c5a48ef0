#pragma once

#include "find/FolderReader.h"
#include "find/TextIndex.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class SettingsSource;

// "Найти текст": a query field over the texts that match it, following each
// keystroke, and a line of how far the folder is read. Made when first
// opened, from its dialog template; the texts folder is read then, on the
// folder reader's thread. Enter or a double click puts the chosen text in the
// main window; Esc or closing only hides the window, and once it has stayed
// hidden for a while the window and its index are let go.
class TFind {
public:
    // How long a hidden window keeps its index.
    static constexpr UINT DefaultKeepMs = 60 * 1000;

    // `show` puts a chosen text, by its full path, in the main window.
    TFind(HINSTANCE instance, HWND owner, const SettingsSource& settings,
               std::function<void(const std::wstring&)> show, UINT keepMs = DefaultKeepMs);
    ~TFind();
    TFind(const TFind&) = delete;
    TFind& operator=(const TFind&) = delete;

    // The menu command: made or shown again, the folder read unless it is
    // read already, the query ready to be typed over.
    void Show();
    void Close();
    // For the message loop: Tab, Enter and Esc.
    bool TakeDialogMessage(MSG& message);
    // A text the program wrote: found by its words from now on.
    void TextSaved(const std::wstring& path);

    HWND Window() const { return window_; }
    HWND Query() const { return query_; }
    HWND Results() const { return results_; }
    HWND Status() const { return status_; }
    // Whether the folder's texts are held; none before the window is first
    // opened nor after it has been let go.
    bool HoldsIndex() const { return reader_ != nullptr; }

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK QueryKeys(HWND query, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR results) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void Layout();
    void FitColumns();
    void Release();
    void TakeProgress();
    // The results of the query in the field; the chosen one kept chosen
    // when it is still found, else the best chosen.
    void RunQuery(bool keepChoice);
    void ShowStatus();
    void ShowChosen();
    void FillRow(NMLVDISPINFOW& row);

    HINSTANCE instance_;
    HWND owner_;
    const SettingsSource& settings_;
    std::function<void(const std::wstring&)> show_;
    const UINT keepMs_;
    HWND window_ = nullptr;
    HWND query_ = nullptr;
    HWND results_ = nullptr;
    HWND status_ = nullptr;
    std::unique_ptr<FolderReader> reader_;
    FolderReader::Progress progress_;
    FindQuery typed_{L""};
    std::vector<TextIndex::Hit> hits_;
    // The matching lines of the rows shown so far.
    std::map<std::size_t, std::wstring> lines_;
    DWORD lastQueryTick_ = 0;
    // The template's client size and its controls' places in it: the field,
    // the results, the status line; and the smallest the window may become.
    SIZE designedClient_{};
    std::array<RECT, 3> designed_{};
    SIZE smallest_{};
};
