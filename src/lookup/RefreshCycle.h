#pragma once

#include "lookup/SongSession.h"
#include "sync/SyncFollower.h"

#include <cstddef>
#include <string>

class RefreshView;

// The central job: find out what the player plays and put the matching text
// in front of the user, or report why there is none. Drives the main window
// through its view; reads the settings at the moment of each step.
//
// One refresh runs at a time. A refresh asked for while one is under way (a
// timer tick or a command arriving while one of its boxes is open) is
// remembered, and one more runs when the current one has finished. Only the
// refresh that follows a file created for a song without text runs inside
// the one that created it.
class RefreshCycle {
public:
    explicit RefreshCycle(RefreshView& view);
    RefreshCycle(const RefreshCycle&) = delete;
    RefreshCycle& operator=(const RefreshCycle&) = delete;

    void MenuRefreshClick();
    // Refreshes when the player's line has changed since the last refresh.
    void Timer1Timer();
    // Shows the best of the files the last search found and not yet shown.
    void MenuNextClick();
    // The look at the player that follows a timed text; and after the
    // window was hidden, or a command of the timed text, the look set going again.
    void FollowTimer();
    void RestartFollowing();
    // A text the user chose (in the find window), shown as a found text is:
    // an edit saved or asked about first, the status line, the width and the
    // tidying as a refresh leaves them; the song, its other texts and the
    // next command stay as they were. Not followed, nor its timed twin
    // taken: it need not be the song that plays. False when it was not
    // shown, also while a refresh waits for an answer.
    bool ShowChosenText(const std::wstring& file);

    // The song it is on.
    SongSession& Session() { return session_; }
    SyncFollower& Follower() { return follower_; }
    const std::wstring& LastPlayerTitle() const { return session_.LastPlayerTitle; }
    // How many refreshes have run, for seeing that a change was taken once.
    std::size_t RefreshCount() const { return refreshCount_; }

private:
    void Refresh();
    // False when the edit was to be saved and could not be.
    bool AskAboutEdits();
    bool ShowCandidate(std::size_t index);
    // `ofTheSong`: its timed twin taken first, and followed as the song plays.
    bool ShowFile(const std::wstring& file, bool ofTheSong);
    void ReportMiss(int kind);
    // The follow timer's period now; 0 stops it.
    void FollowEvery(unsigned periodMs);
    void EndMiss();

    RefreshView& view_;
    SongSession session_;
    SyncFollower follower_;
    unsigned followPeriod_ = 0;
    HWND followedPlayer_ = nullptr;
    bool refreshing_ = false;
    bool pending_ = false;
    bool creatingFile_ = false;
    std::size_t refreshCount_ = 0;
};
