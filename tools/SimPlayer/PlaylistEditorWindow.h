#pragma once

#include "PlayerState.h"
#include "WindowBase.h"

#include <string>

// The playlist editor: lists the songs, and L adds one.
class PlaylistEditorWindow : public WindowBase<PlaylistEditorWindow> {
public:
    PlaylistEditorWindow(PlayerState& state, std::wstring title);
    ~PlaylistEditorWindow();
    PlaylistEditorWindow(const PlaylistEditorWindow&) = delete;
    PlaylistEditorWindow& operator=(const PlaylistEditorWindow&) = delete;

    // Registers the class and shows the window; false when either fails.
    bool Create(HINSTANCE instance);

private:
    friend class WindowBase<PlaylistEditorWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    PlayerState& state_;
    std::wstring title_;
    int songsAdded_ = 0;
    HFONT font_ = nullptr;
};
