#pragma once

#include "PlayerState.h"
#include "WindowBase.h"

// The message that turns a scrolling title one step, as its timer does; for
// tests, which then need not wait for the timer.
inline constexpr char ScrollMessageName[] = "SimPlayer.Scroll";

// The player's main window: its class is the one other programs look for, its
// title is the now-playing line, and it obeys the player's keyboard shortcuts.
class PlayerWindow : public WindowBase<PlayerWindow> {
public:
    PlayerWindow(PlayerState& state, const char* className, bool clockRuns);
    ~PlayerWindow();
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

    // Registers the class and shows the window; false when either fails.
    bool Create(HINSTANCE instance);

private:
    friend class WindowBase<PlayerWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnKey(WPARAM key);
    void Scroll();
    void Paint();

    PlayerState& state_;
    const char* className_;
    bool clockRuns_;
    HFONT font_ = nullptr;
    UINT scrollMessage_;
};
