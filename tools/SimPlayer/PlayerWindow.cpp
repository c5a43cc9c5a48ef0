#include "PlayerWindow.h"

#include "Drawing.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <string_view>

namespace {

constexpr UINT_PTR ClockTimer = 1;
constexpr UINT_PTR ScrollTimer = 2;
constexpr UINT ScrollIntervalMs = 200;
constexpr int SeekMs = 5000;
// Longer gaps (the machine asleep) count as this much playing time.
constexpr DWORD LongestCatchUpMs = 24 * 60 * 60 * 1000;

// The version that the classic player gives, and its answer to a question it
// does not know.
constexpr LRESULT ClassicVersion = 0x2091;
constexpr LRESULT UnknownQuestion = 1;

const wchar_t* StateName(Playback::State state)
{
    switch (state) {
    case Playback::State::Idle: return L"idle";
    case Playback::State::Playing: return L"playing";
    case Playback::State::Paused: return L"paused";
    case Playback::State::Stopped: return L"stopped";
    }
    return L"";
}

} // namespace

PlayerWindow::PlayerWindow(PlayerState& state, const char* className, bool clockRuns, bool speaksPosition)
    : state_(state), className_(className), clockRuns_(clockRuns), speaksPosition_(speaksPosition),
      caughtUpAt_(GetTickCount()), font_(CreateDisplayFont()),
      scrollMessage_(RegisterWindowMessageA(ScrollMessageName)),
      setPositionMessage_(RegisterWindowMessageA(SetPositionMessageName))
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
    const WindowShape shape{className_, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40, 520, 150,
                            LoadIcon(nullptr, IDI_APPLICATION)};
    if (!Make(instance, state_.unicode, shape, state_.ShownTitle()))
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
    CatchUp();
    Playback& playback = state_.playback;
    switch (key) {
    case 'Z': playback.Previous(); state_.lastCommand = L"Z: previous song"; break;
    case 'X': playback.Play(); state_.lastCommand = L"X: play"; break;
    case 'C': playback.TogglePause(); state_.lastCommand = L"C: pause"; break;
    case 'V': playback.Stop(); state_.lastCommand = L"V: stop"; break;
    case 'B': playback.Next(); state_.lastCommand = L"B: next song"; break;
    case VK_LEFT: playback.Seek(-SeekMs); state_.lastCommand = L"Left: 5 seconds back"; break;
    case VK_RIGHT: playback.Seek(SeekMs); state_.lastCommand = L"Right: 5 seconds forward"; break;
    // The real player opens dialogs here; saying so is enough for a stand-in.
    case 'L': state_.lastCommand = L"L: open file (dialog would open)"; break;
    case 'J': state_.lastCommand = L"J: jump to file (dialog would open)"; break;
    default: {
        wchar_t text[40];
        std::swprintf(text, std::size(text), L"key 0x%02X: not a shortcut", static_cast<unsigned>(key));
        state_.lastCommand = text;
        break;
    }
    }
    state_.Changed();
}

// The position moves by the time that really passed, not by the timer's
// count, which runs late under load. Done before anything changes the
// playback, so that a pause keeps the part of a second played before it.
void PlayerWindow::CatchUp()
{
    const DWORD now = GetTickCount();
    if (clockRuns_)
        state_.playback.Advance(static_cast<int>(std::min(now - caughtUpAt_, LongestCatchUpMs)));
    caughtUpAt_ = now;
}

// Between two clock ticks the position still moves, as a real player's does;
// -1 when nothing plays.
int PlayerWindow::PositionNow() const
{
    const Playback& playback = state_.playback;
    switch (playback.CurrentState()) {
    case Playback::State::Paused: return playback.Position();
    case Playback::State::Playing: break;
    default: return -1;
    }
    if (!clockRuns_)
        return playback.Position();
    const DWORD sinceTick = std::min(GetTickCount() - caughtUpAt_, LongestCatchUpMs);
    return std::min(playback.Position() + static_cast<int>(sinceTick), playback.CurrentLengthMs());
}

// Read as the player's own 32-bit integer, so that a caller's negative number
// stays negative and puts the song at its start.
void PlayerWindow::MoveTo(WPARAM ms)
{
    CatchUp();
    state_.playback.JumpTo(static_cast<std::int32_t>(ms));
    state_.Changed();
}

LRESULT PlayerWindow::Answer(WPARAM data, LPARAM question)
{
    if (!speaksPosition_)
        return UnknownQuestion;
    const Playback::State now = state_.playback.CurrentState();
    switch (question) {
    case 0: return ClassicVersion;
    case 104: return now == Playback::State::Playing ? 1 : now == Playback::State::Paused ? 3 : 0;
    case 105:
        if (data == 0)
            return PositionNow();
        break;
    case 106: MoveTo(data); return 0;
    }
    return UnknownQuestion;
}

// Only the title turns; the window shows the caption as it is.
void PlayerWindow::Scroll()
{
    ++state_.scrollStep;
    SetTitle(window_, state_.ShownTitle());
}

void PlayerWindow::Paint()
{
    const Playback& playback = state_.playback;
    const std::string_view className = className_;
    std::vector<std::wstring> lines;
    lines.push_back(L"Simulated player, window class \"" + std::wstring(className.begin(), className.end()) + L"\"");
    lines.push_back(playback.Title());
    if (playback.Songs().empty()) {
        lines.push_back(L"Playlist is empty");
    } else {
        const Song& song = playback.Songs()[playback.Current()];
        lines.push_back(L"Song " + std::to_wstring(playback.Current() + 1) + L" of " +
                        std::to_wstring(playback.Songs().size()) + L", " + StateName(playback.CurrentState()) + L", " +
                        FormatTime(playback.Position() / 1000) + L" / " + FormatTime(song.lengthSeconds));
    }
    lines.push_back(L"Last command: " + state_.lastCommand);
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
        } else if (wParam == ClockTimer && clockRuns_) {
            const bool playing = state_.playback.CurrentState() == Playback::State::Playing;
            CatchUp();
            if (playing)
                state_.Changed();
        }
        return 0;
    case WM_USER:
        return Answer(wParam, lParam);
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
    if (message == setPositionMessage_) {
        MoveTo(wParam);
        return 0;
    }
    return Default(message, wParam, lParam);
}
