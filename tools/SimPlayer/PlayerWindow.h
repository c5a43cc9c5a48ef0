#pragma once

#include "PlayerState.h"
#include "WindowBase.h"

// The message that turns a scrolling title one step, as its timer does; for
// tests, which then need not wait for the timer.
inline constexpr char ScrollMessageName[] = "SimPlayer.Scroll";

// The message whose wParam puts a playing or paused song at that many ms, for
// tests whose player has no clock.
inline constexpr char SetPositionMessageName[] = "SimPlayer.SetPosition";

// The player's main window: its class is the one other programs look for, its
// title is the now-playing line, it obeys the player's keyboard shortcuts, and
// when `speaksPosition` it answers the player's WM_USER questions about where
// the song is. To any other question, and without `speaksPosition` to all of
// them, it answers 1, as the player does to a question it does not know.
class PlayerWindow : public WindowBase<PlayerWindow> {
public:
    PlayerWindow(PlayerState& state, const char* className, bool clockRuns, bool speaksPosition);
    ~PlayerWindow();
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

    // Registers the class and shows the window; false when either fails.
    bool Create(HINSTANCE instance);

private:
    friend class WindowBase<PlayerWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnKey(WPARAM key);
    void CatchUp();
    int PositionNow() const;
    void MoveTo(WPARAM ms);
    LRESULT Answer(WPARAM data, LPARAM question);
    void Scroll();
    void Paint();

    PlayerState& state_;
    const char* className_;
    bool clockRuns_;
    bool speaksPosition_;
    // GetTickCount when the position was last brought up to time; the
    // difference of two readings stays right across the counter's wrap.
    DWORD caughtUpAt_;
    HFONT font_ = nullptr;
    UINT scrollMessage_;
    UINT setPositionMessage_;
};
