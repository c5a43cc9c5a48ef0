#include "PlayerWindow.h"

#include "Drawing.h"

#include <cwchar>
#include <iterator>
#include <string_view>

namespace {

constexpr UINT_PTR ClockTimer = 1;
constexpr UINT_PTR ScrollTimer = 2;
constexpr UINT ScrollIntervalMs = 200;
constexpr int SeekSeconds = 5;

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
    Playback& playback = state_.playback;
    switch (key) {
    case 'Z': playback.Previous(); state_.lastCommand = L"Z: previous song"; break;
    case 'X': playback.Play(); state_.lastCommand = L"X: play"; break;
    case 'C': playback.TogglePause(); state_.lastCommand = L"C: pause"; break;
    case 'V': playback.Stop(); state_.lastCommand = L"V: stop"; break;
    case 'B': playback.Next(); state_.lastCommand = L"B: next song"; break;
    case VK_LEFT: playback.Seek(-SeekSeconds); state_.lastCommand = L"Left: 5 seconds back"; break;
    case VK_RIGHT: playback.Seek(SeekSeconds); state_.lastCommand = L"Right: 5 seconds forward"; break;
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
                        FormatTime(playback.Position()) + L" / " + FormatTime(song.lengthSeconds));
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
    return Default(message, wParam, lParam);
}
