#include "player/PlayerLink.h"

#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/SettingsSource.h"
#include "win/WindowText.h"

namespace {

constexpr char ClassicPlayerClass[] = "Winamp v1.x";
constexpr char StudioPlayerClass[] = "STUDIO";
constexpr char PlaylistEditorClass[] = "Winamp PE";
constexpr char PlaylistEditorTitle[] = "Winamp Playlist Editor";

// A scrolling title holds its caption about twice; room for one of a caption
// far longer than the part of it that the program keeps.
constexpr std::size_t TitleReadLimit = 4095;

// The player's keyboard shortcuts, as virtual-key codes.
constexpr WPARAM KeyPrevious = 'Z';
constexpr WPARAM KeyPlay = 'X';
constexpr WPARAM KeyPause = 'C';
constexpr WPARAM KeyStop = 'V';
constexpr WPARAM KeyNext = 'B';
constexpr WPARAM KeyOpen = 'L';
constexpr WPARAM KeyJump = 'J';
constexpr WPARAM KeyAdd = 'L';

HWND FindPlaylistEditor()
{
    return FindWindowA(PlaylistEditorClass, PlaylistEditorTitle);
}

// A null handle would post the key into our own thread's queue, where our
// message loop could take it for the user's keystroke; a missing window gets
// nothing instead.
void PostTo(HWND window, UINT message, WPARAM key)
{
    if (window)
        PostMessageA(window, message, key, 0);
}

// Looked up before each message, so a player restarted or a generation switched
// in between gets the next message. Plain key codes, no repeat or transition
// bits: that is what the player's shortcuts answer to.
template <typename FindWindowNow>
void PostKeyPress(FindWindowNow findWindow, WPARAM key)
{
    PostTo(findWindow(), WM_KEYDOWN, key);
    PostTo(findWindow(), WM_KEYUP, key);
}

void PostPlayerKey(const SettingsSource& settings, WPARAM key)
{
    PostKeyPress([&settings] { return FindPlayerWindow(settings); }, key);
}

void BringPlayerToFront(const SettingsSource& settings)
{
    if (HWND player = FindPlayerWindow(settings))
        SetForegroundWindow(player);
}

} // namespace

HWND FindPlayerWindow(const SettingsSource& settings)
{
    return FindWindowA(settings.AmpVer() == 0 ? ClassicPlayerClass : StudioPlayerClass, nullptr);
}

std::wstring ReadPlayerTitle(HWND window)
{
    const std::wstring title = UnicodeWindowText(window, TitleReadLimit);
    return std::wstring(CaptionOfScrollingTitle(title).substr(0, MaxPlayerTitleLength));
}

void WinampPrevClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyPrevious);
}

void WinampPlayClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyPlay);
}

void WinampNextClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyNext);
}

void WinampPrev5sClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, VK_LEFT);
}

void WinampPauseClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyPause);
}

void WinampNext5sClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, VK_RIGHT);
}

void WinampStopClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyStop);
}

void WinampOpenClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyOpen);
    BringPlayerToFront(settings);
}

void WinampJumpClick(const SettingsSource& settings)
{
    PostPlayerKey(settings, KeyJump);
    BringPlayerToFront(settings);
}

// The playlist editor takes the key, yet the player's main window is the one
// brought to the front, even when the editor is missing.
void WinampAddClick(const SettingsSource& settings)
{
    PostKeyPress(FindPlaylistEditor, KeyAdd);
    BringPlayerToFront(settings);
}
