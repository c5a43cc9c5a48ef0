// The main window's part in following a timed text: its commands, its timer,
// and what the text area tells it of the user's clicks and keys.
#include "app/SonveraMain.h"

#include "app/MainWindowLayout.h"
#include "player/PlayerLink.h"
#include "sync/SyncIds.h"

#include <richedit.h>

namespace {

// One step of "Раньше" and "Позже".
constexpr int NudgeMs = 200;
// What a mark takes off the position: the time it takes to press the key.
constexpr int ReactionMs = 200;

} // namespace

void TSonveraMain::SetFollowPeriod(unsigned periodMs)
{
    if (periodMs)
        SetTimer(window_, MainWindowLayout::FollowTimerId, periodMs, nullptr);
    else
        KillTimer(window_, MainWindowLayout::FollowTimerId);
}

void TSonveraMain::MenuSyncEarlierClick(HWND)
{
    if (const std::wstring report = Refresh().Follower().Nudge(NudgeMs); !report.empty())
        SetStatusText(report);
}

void TSonveraMain::MenuSyncLaterClick(HWND)
{
    if (const std::wstring report = Refresh().Follower().Nudge(-NudgeMs); !report.empty())
        SetStatusText(report);
}

void TSonveraMain::MenuSyncFollowClick(HWND)
{
    Refresh().Follower().Resume();
}

void TSonveraMain::MenuSyncTagsClick(HWND)
{
    SyncFollower& follower = Refresh().Follower();
    follower.ShowTags(!follower.TagsShown());
    CheckMenuItem(menuBar_, ID_MenuSyncTags, MF_BYCOMMAND | (follower.TagsShown() ? MF_CHECKED : MF_UNCHECKED));
    Refresh().RestartFollowing();
}

void TSonveraMain::MenuSyncTimingClick(HWND)
{
    SyncFollower& follower = Refresh().Follower();
    if (follower.Timing())
        follower.StopTiming();
    else
        follower.StartTiming();
    CheckMenuItem(menuBar_, ID_MenuSyncTiming, MF_BYCOMMAND | (follower.Timing() ? MF_CHECKED : MF_UNCHECKED));
}

void TSonveraMain::MenuSyncMarkClick(HWND)
{
    Refresh().Follower().MarkLine(FindPlayerWindow(*settings_), ReactionMs);
}

// Before the text area acts on them: a double click on a followed line asks
// the player to jump there; typing into a followed text shows its tags first,
// so that the keystroke edits the text as it is saved.
bool TSonveraMain::OnTextAreaInput(const MSGFILTER& filter)
{
    SyncFollower& follower = Refresh().Follower();
    if (!follower.Followed())
        return false;
    if (filter.msg == WM_LBUTTONDBLCLK) {
        const POINT at{static_cast<short>(LOWORD(filter.lParam)), static_cast<short>(HIWORD(filter.lParam))};
        follower.JumpToLineAt(textArea_.CharacterAt(at), FindPlayerWindow(*settings_));
        return true;
    }
    const bool typing = filter.msg == WM_CHAR && filter.wParam >= 0x20;
    const bool deleting = filter.msg == WM_KEYDOWN && (filter.wParam == VK_DELETE || filter.wParam == VK_BACK ||
                                                       filter.wParam == VK_RETURN);
    if (typing || deleting)
        MenuSyncTagsClick(window_);
    return false;
}
