#include "PlaylistEditorWindow.h"

#include "Drawing.h"

namespace {

constexpr char EditorClass[] = "Winamp PE";

} // namespace

PlaylistEditorWindow::PlaylistEditorWindow(PlayerState& state, std::wstring title)
    : state_(state), title_(std::move(title)), font_(CreateDisplayFont())
{
}

PlaylistEditorWindow::~PlaylistEditorWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (font_)
        DeleteObject(font_);
}

bool PlaylistEditorWindow::Create(HINSTANCE instance)
{
    const WindowShape shape{EditorClass, WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, 40, 200, 520, 260, nullptr};
    if (!Make(instance, state_.unicode, shape, title_))
        return false;
    state_.editorWindow = window_;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    return true;
}

void PlaylistEditorWindow::Paint()
{
    const Playback& playback = state_.playback;
    std::vector<std::wstring> lines;
    lines.push_back(L"Playlist (L adds a song)");
    const auto& songs = playback.Songs();
    for (std::size_t index = 0; index < songs.size(); ++index) {
        const Song& song = songs[index];
        std::wstring line = std::to_wstring(index + 1) + L". ";
        if (!song.artist.empty())
            line.append(song.artist).append(L" - ");
        line.append(song.title).append(L"   ").append(FormatTime(song.lengthSeconds));
        lines.push_back(std::move(line));
    }
    const bool hasCurrent = playback.CurrentState() != Playback::State::Idle && !songs.empty();
    PaintLines(window_, font_, lines, hasCurrent ? static_cast<int>(playback.Current()) + 1 : -1);
}

LRESULT PlaylistEditorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (state_.log.Wants(message))
        state_.log.Write("editor", message, wParam, lParam);

    switch (message) {
    case WM_KEYDOWN:
        if (wParam == 'L') {
            state_.playback.Append(AddedSong(++songsAdded_));
            state_.lastCommand = L"L in the playlist editor: song added";
            state_.Changed();
        }
        return 0;
    case WM_KEYUP:
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY:
        state_.editorWindow = nullptr;
        return 0;
    }
    return Default(message, wParam, lParam);
}
