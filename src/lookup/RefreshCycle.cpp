#include "lookup/RefreshCycle.h"

#include "editing/EditingIds.h"
#include "editing/ExternalEditor.h"
#include "editing/SavingRules.h"
#include "editing/TextSaving.h"
#include "editing/WidthFitting.h"
#include "lookup/LookupIds.h"
#include "lookup/RefreshRules.h"
#include "editing/TextArea.h"
#include "lookup/RefreshView.h"
#include "lookup/SafeFileName.h"
#include "lookup/TextSearch.h"
#include "player/PlayerLink.h"
#include "settings/SettingsSource.h"
#include "sync/TimedTextFile.h"
#include "win/AnsiCase.h"
#include "win/FileText.h"
#include "win/CodePage.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"

#include <optional>

namespace {

enum MissKind { PlayerNotRunning = 0, PlayerNotPlaying = 1, NoTextForSong = 2 };

// Marks a refresh under way; an error that ends it must not leave every
// later one waiting.
struct Running {
    bool& flag;
    explicit Running(bool& running) : flag(running) { flag = true; }
    ~Running() { flag = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
};

} // namespace

RefreshCycle::RefreshCycle(RefreshView& view) : view_(view), follower_(session_, view.Text()) {}

void RefreshCycle::FollowEvery(unsigned periodMs)
{
    if (periodMs != followPeriod_)
        view_.SetFollowPeriod(followPeriod_ = periodMs);
}

void RefreshCycle::FollowTimer()
{
    // Nothing is asked while the program is minimised (through the window
    // that owns the main one).
    const HWND owner = GetWindow(view_.Window(), GW_OWNER);
    if (IsIconic(view_.Window()) || (owner && IsIconic(owner))) {
        FollowEvery(0);
        return;
    }
    // The player's window is looked up again only when it has gone.
    if (!IsWindow(followedPlayer_))
        followedPlayer_ = FindPlayerWindow(view_.Settings());
    FollowEvery(follower_.Follow(followedPlayer_));
}

void RefreshCycle::RestartFollowing()
{
    if (!follower_.Followed()) {
        FollowEvery(0);
        return;
    }
    followedPlayer_ = FindPlayerWindow(view_.Settings());
    FollowEvery(follower_.PeriodNow(followedPlayer_));
    if (followPeriod_)
        FollowTimer();
}

void RefreshCycle::MenuRefreshClick()
{
    if (creatingFile_) {
        creatingFile_ = false;
        Refresh();
        return;
    }
    if (refreshing_) {
        pending_ = true;
        return;
    }
    const Running running(refreshing_);
    do {
        pending_ = false;
        Refresh();
    } while (pending_);
}

void RefreshCycle::Timer1Timer()
{
    const HWND player = FindPlayerWindow(view_.Settings());
    const std::wstring current = player ? ReadPlayerTitle(player) : std::wstring(NoPlayerMarker);
    if (PlayerTitleChanged(current, session_.LastPlayerTitle))
        MenuRefreshClick();
}

void RefreshCycle::MenuNextClick()
{
    if (session_.Candidates.empty())
        return;
    if (ShowCandidate(BestCandidate(session_.Candidates, session_.Song.SongTitle)))
        FitWindowWidth(view_.Window(), view_.Text(), view_.AnT(), session_.CurrentTextFile, view_.Settings());
}

void RefreshCycle::Refresh()
{
    ++refreshCount_;
    const SettingsSource& settings = view_.Settings();
    HWND player = FindPlayerWindow(settings);
    if (view_.Text().Modified()) {
        const bool settled = AskAboutEdits();
        // The player may have gone while the question was open.
        if (player && !IsWindow(player))
            player = nullptr;
        if (!settled) {
            // The edit stays on screen, where the user can still save it; the
            // timer waits for the next song change rather than repeating the
            // failure every tick.
            session_.LastPlayerTitle = player ? ReadPlayerTitle(player) : std::wstring(NoPlayerMarker);
            return;
        }
    }

    follower_.Forget();
    RestartFollowing();
    session_.CurrentTextFile.clear();
    session_.Song = {};
    view_.SetAnTCaption({});
    // The text area is emptied where the refresh ends without loading a text
    // into it: emptying a long text costs as much as loading one.
    session_.Candidates.clear();
    view_.EnableNextCommands(false);

    if (!player) {
        ReportMiss(PlayerNotRunning);
        return;
    }
    session_.LastPlayerTitle = ReadPlayerTitle(player);
    std::wstring upperTitle = session_.LastPlayerTitle;
    MakeUpperWide(upperTitle);
    if (IsIdlePlayerTitle(upperTitle)) {
        ReportMiss(PlayerNotPlaying);
        return;
    }

    ParseNowPlaying(session_.LastPlayerTitle, settings, session_.Song);
    view_.SetAnTCaption(session_.Song.SongArtist + L" - " + session_.Song.SongTitle);
    view_.FormResize(view_.Window());
    SearchTexts(session_.Song, settings, session_.Candidates);
    if (session_.Candidates.empty()) {
        ReportMiss(NoTextForSong);
        return;
    }
    if (!ShowCandidate(BestCandidate(session_.Candidates, session_.Song.SongTitle)))
        return;
    if (settings.LengthIsWidthEnabled() && settings.LengthIsWidth() &&
        !FitWindowWidth(view_.Window(), view_.Text(), view_.AnT(), session_.CurrentTextFile, settings))
        return;
    if (settings.AutoTrim())
        view_.Text().Trim();
    view_.Text().MoveCaretToStart();
    if (!session_.Candidates.empty())
        view_.EnableNextCommands(true);
}

bool RefreshCycle::AskAboutEdits()
{
    const SettingsSource& settings = view_.Settings();
    view_.SetTimer1Running(false);
    bool settled = true;
    if ((settings.AutoSaveEnabled() && settings.AutoSave()) ||
        (!settings.SilentMode() &&
         ShowMessageBox(view_.Window(), LoadResourceString(IDS_TextModifiedQuestion),
                        LoadResourceString(IDS_AttentionCaption), MB_YESNO) == IDYES))
        settled = SaveEditedText(view_);
    view_.SetTimer1Running(settings.RefreshOnTimer());
    return settled;
}

bool RefreshCycle::ShowCandidate(std::size_t index)
{
    if (!ShowFile(session_.Candidates[index], true))
        return false;
    session_.Candidates.erase(session_.Candidates.begin() + static_cast<std::ptrdiff_t>(index));
    view_.EnableNextCommands(!session_.Candidates.empty());
    return true;
}

bool RefreshCycle::ShowFile(const std::wstring& file, bool ofTheSong)
{
    const SettingsSource& settings = view_.Settings();
    session_.CurrentTextFile = file;
    // A time-tagged twin of the text is taken first. (A missing file's
    // attributes have the folder bit set too.)
    if (const std::wstring timed = TimedTextFileOf(session_.CurrentTextFile);
        ofTheSong && !timed.empty() && (GetFileAttributesW(timed.c_str()) & FILE_ATTRIBUTE_DIRECTORY) == 0)
        session_.CurrentTextFile = timed;
    session_.CurrentTextFormat = {};
    session_.NoSong = false;
    // A followed text before it leaves the area for plain text first.
    follower_.Forget();
    view_.EnableSaveCommands(!settings.OpenByShell());
    if (settings.OpenByShell()) {
        view_.Text().SetAnsiText({});
        OpenInExternalEditor(session_.CurrentTextFile, settings.ClosePads(), session_.EditorProcess);
    } else {
        const std::optional<std::string> text = ReadWholeFile(session_.CurrentTextFile);
        if (!text) {
            view_.Text().SetAnsiText({});
            ReportError(view_.Window(), L"Cannot open file " + session_.CurrentTextFile);
            return false;
        }
        session_.CurrentTextFormat = ShowFileText(view_.Text(), *text);
        if (ofTheSong)
            follower_.Take(DecodeText(*text).text);
    }
    RestartFollowing();
    view_.SetStatusHint(session_.CurrentTextFile);
    view_.SetStatusText(StatusTextOf(session_.CurrentTextFile, settings.TextsPath()));
    return true;
}

bool RefreshCycle::ShowChosenText(const std::wstring& file)
{
    if (refreshing_)
        return false;
    bool shown = false;
    {
        const Running running(refreshing_);
        const SettingsSource& settings = view_.Settings();
        shown = (!view_.Text().Modified() || AskAboutEdits()) && ShowFile(file, false) &&
                !(settings.LengthIsWidthEnabled() && settings.LengthIsWidth() &&
                  !FitWindowWidth(view_.Window(), view_.Text(), view_.AnT(), session_.CurrentTextFile, settings));
        if (shown && settings.AutoTrim())
            view_.Text().Trim();
        if (shown)
            view_.Text().MoveCaretToStart();
    }
    // A refresh asked for while a box was open.
    if (pending_)
        MenuRefreshClick();
    return shown;
}

void RefreshCycle::ReportMiss(int kind)
{
    const SettingsSource& settings = view_.Settings();
    view_.Text().SetAnsiText({});
    const bool boxes = !settings.SilentMode();
    // Only a song without a text still has a song to save a text for.
    session_.NoSong = kind != NoTextForSong;
    if (kind == PlayerNotRunning) {
        const std::wstring message = LoadUnicodeResourceString(IDS_PlayerNotRunning);
        if (boxes) {
            view_.SetTimer1Running(false);
            ShowMessageBox(nullptr, message, LoadUnicodeResourceString(IDS_AttentionCaption), MB_OK);
            view_.SetTimer1Running(settings.RefreshOnTimer());
        }
        view_.SetStatusText(message);
        session_.LastPlayerTitle = NoPlayerMarker;
        view_.EnableSaveCommands(false);
    } else if (kind == PlayerNotPlaying) {
        const std::wstring message = LoadUnicodeResourceString(IDS_PlayerNotPlaying);
        if (boxes)
            ShowMessageBox(nullptr, message, LoadUnicodeResourceString(IDS_AttentionCaption), MB_OK);
        view_.SetStatusText(message);
        view_.EnableSaveCommands(false);
    } else {
        session_.Song.SongTitle = MakeSafeFileName(session_.Song.SongTitle, settings);
        std::wstring message = LoadUnicodeResourceString(IDS_NoTextMessage);
        const std::size_t slot = message.find(L"%s");
        if (slot != std::wstring::npos)
            message.replace(slot, 2,
                            MissingTextPattern(settings.TextsPath(), session_.Song.SongArtist, session_.Song.SongTitle));
        if (boxes)
            ShowMessageBox(nullptr, message, LoadUnicodeResourceString(IDS_NoTextCaption), MB_OK);
        view_.SetStatusText(message);
        FitWidthToArtistAndTitle(view_.Window(), view_.AnT(), settings);
    }
    CloseExternalEditor(settings.ClosePadsEnabled() && settings.ClosePads(), session_.EditorProcess);
    if (kind == NoTextForSong) {
        // Only a file that was written can be found by the next refresh;
        // refreshing after a failed write would repeat this miss without end.
        if (CreateTextFileForSong(view_)) {
            creatingFile_ = true;
            MenuRefreshClick();
            creatingFile_ = false;
        }
        view_.EnableSaveCommands(!settings.OpenByShell());
    }
    EndMiss();
}

void RefreshCycle::EndMiss()
{
    session_.CurrentTextFile.clear();
    ShrinkToMinimumWidth(view_.Window(), view_.Settings());
    view_.SetStatusHint(view_.StatusText());
}
