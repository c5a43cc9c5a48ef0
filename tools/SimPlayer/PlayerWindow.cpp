#include "PlayerWindow.h"

#include "Drawing.h"

#include <cstdio>

namespace {

constexpr UINT_PTR ClockTimer = 1;
constexpr UINT_PTR ScrollTimer = 2;
constexpr UINT ScrollIntervalMs = 200;
constexpr int SeekSeconds = 5;

const char* StateName(Playback::State state)
{
    switch (state) {
    case Playback::State::Idle: return "idle";
    case Playback::State::Playing: return "playing";
    case Playback::State::Paused: return "paused";
    case Playback::State::Stopped: return "stopped";
    }
    return "";
}

} // namespace

PlayerWindow::PlayerWindow(PlayerState& state, const char* className, bool clockRuns)
    : state_(state), className_(className), clockRuns_(clockRuns), font_(CreateDisplayFont()),
      scrollMessage_(RegisterWindowMessageA(ScrollMessageName))
{
}

PlayerWindow::~PlayerWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (font_)
        DeleteObject(font_);
}

bool PlayerWindow::Create(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = className_;
    if (!RegisterClassA(&windowClass))
        return false;

    if (!CreateWindowExA(0, className_, state_.ShownTitle().c_str(),
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40, 520, 150, nullptr,
                         nullptr, instance, this))
        return false;
    state_.mainWindow = window_;
    SetTimer(window_, ClockTimer, 1000, nullptr);
    if (state_.scrolls && clockRuns_)
        SetTimer(window_, ScrollTimer, ScrollIntervalMs, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    return true;
}

void PlayerWindow::OnKey(WPARAM key)
{
    Playback& playback = state_.playback;
    switch (key) {
    case 'Z': playback.Previous(); state_.lastCommand = "Z: previous song"; break;
    case 'X': playback.Play(); state_.lastCommand = "X: play"; break;
    case 'C': playback.TogglePause(); state_.lastCommand = "C: pause"; break;
    case 'V': playback.Stop(); state_.lastCommand = "V: stop"; break;
    case 'B': playback.Next(); state_.lastCommand = "B: next song"; break;
    case VK_LEFT: playback.Seek(-SeekSeconds); state_.lastCommand = "Left: 5 seconds back"; break;
    case VK_RIGHT: playback.Seek(SeekSeconds); state_.lastCommand = "Right: 5 seconds forward"; break;
    // The real player opens dialogs here; saying so is enough for a stand-in.
    case 'L': state_.lastCommand = "L: open file (dialog would open)"; break;
    case 'J': state_.lastCommand = "J: jump to file (dialog would open)"; break;
    default: {
        char text[40];
        std::snprintf(text, sizeof text, "key 0x%02X: not a shortcut", static_cast<unsigned>(key));
        state_.lastCommand = text;
        break;
    }
    }
    state_.Changed();
}

// Only the title turns; the window shows the caption as it is.
void PlayerWindow::Scroll()
{
    ++state_.scrollStep;
    SetWindowTextA(window_, state_.ShownTitle().c_str());
}

void PlayerWindow::Paint()
{
    const Playback& playback = state_.playback;
    std::vector<std::string> lines;
    lines.push_back(std::string("Simulated player, window class \"") + className_ + "\"");
    lines.push_back(playback.Title());
    if (playback.Songs().empty()) {
        lines.push_back("Playlist is empty");
    } else {
        const Song& song = playback.Songs()[playback.Current()];
        lines.push_back("Song " + std::to_string(playback.Current() + 1) + " of " +
                        std::to_string(playback.Songs().size()) + ", " + StateName(playback.CurrentState()) + ", " +
                        FormatTime(playback.Position()) + " / " + FormatTime(song.lengthSeconds));
    }
    lines.push_back("Last command: " + state_.lastCommand);
    PaintLines(window_, font_, lines);
}

LRESULT PlayerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (state_.log.Wants(message))
        state_.log.Write("main", message, wParam, lParam);

    switch (message) {
    case WM_KEYDOWN:
        OnKey(wParam);
        return 0;
    case WM_KEYUP:
        return 0;
    case WM_TIMER:
        if (wParam == ScrollTimer) {
            Scroll();
        } else if (wParam == ClockTimer && clockRuns_ && state_.playback.CurrentState() == Playback::State::Playing) {
            state_.playback.Tick();
            state_.Changed();
        }
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY:
        KillTimer(window_, ClockTimer);
        KillTimer(window_, ScrollTimer);
        state_.mainWindow = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    if (message == scrollMessage_ && state_.scrolls) {
        Scroll();
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
