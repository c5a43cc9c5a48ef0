#pragma once

#include "editing/TextArea.h"
#include "sync/SyncedText.h"

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SongSession;

// A timed text on screen, followed as its song plays: its tags hidden, the
// line being sung standing out and kept in view, the lines sung before it
// dimmed. It asks the player where the song is only when told to look, and
// changes the area only when the line (or the word) being sung changes.
// The text itself lives in the song's session, so that saving finds it.
class SyncFollower {
public:
    SyncFollower(SongSession& session, TextArea& area) : session_(session), area_(area) {}
    SyncFollower(const SyncFollower&) = delete;
    SyncFollower& operator=(const SyncFollower&) = delete;

    // The text just read for the song, decoded, with its own line breaks: a
    // timed one replaces what the area shows by its lines without tags, and
    // is followed from then on. False for a plain text, which stays as shown
    // (the caller has the follower forget the text before first).
    bool Take(std::u16string_view text);
    // Nothing timed on screen any more; the area goes back to plain text
    // (and is emptied) when it held a followed one.
    void Forget();

    // The period the look at the player should come again after, in ms: when
    // the next line or word is due while the player plays a followed text,
    // seldom while it is paused or stopped (only its state is asked then), 0
    // when there is nothing to follow.
    unsigned PeriodNow(HWND player);
    // One look at the player; returns the period for the next.
    unsigned Follow(HWND player);

    // Moves the whole text's timing (positive: sooner) and shows it at once;
    // the status line's report of the new offset.
    std::wstring Nudge(int ms);
    // Asks the player to jump to the line holding `character` of the area.
    void JumpToLineAt(std::size_t character, HWND player);
    // Stops the pause that scrolling by hand made: the line is brought back.
    void Resume();
    // A new font for the area (a new size, a new display scale) takes the
    // line being sung's bold and its word's underline away: they come back.
    void ShowLooksAgain();

    // Shows the tags for editing (the area takes the text as it would be
    // saved), or hides them again and follows the text as edited.
    void ShowTags(bool shown);
    bool TagsShown() const;
    bool Followed() const;
    // Trims or normalises a followed text's words, never its tags; false
    // when no text is followed, for the area to tidy what it shows.
    bool Tidy(bool normalise);

    // Timing a plain text by hand: the next line not yet timed stands out;
    // each mark gives it the song's position less `reactionMs`. Leaving puts
    // the text back as plain, edited text.
    void StartTiming();
    void StopTiming();
    bool Timing() const { return timing_; }
    bool MarkLine(HWND player, int reactionMs);

private:
    // Whether the player answers where its song is; asked once a player window.
    bool Speaks(HWND player);
    void ShowFollowed();
    void ShowLine(std::optional<std::size_t> line, int positionMs, bool force);
    // The looks of shown line `shownLine`, which is `line` of the text, and of
    // its word, into `looks` (room for two); how many.
    std::size_t CurrentLooks(std::size_t shownLine, std::size_t line, std::optional<std::size_t> word,
                             TextArea::LookedRange* looks) const;
    std::size_t ShownIndexOf(std::size_t line) const;
    std::size_t LineStart(std::size_t shownIndex) const;
    std::size_t LineEnd(std::size_t shownIndex) const;
    void ShowTimingText(const std::u16string& text, std::optional<std::size_t> next);

    SongSession& session_;
    TextArea& area_;
    ShownSyncedText shown_;
    std::vector<std::size_t> starts_;
    std::vector<Cue> cues_;
    // The shown line standing out, and its word; the last position read.
    std::optional<std::size_t> current_;
    std::optional<std::size_t> word_;
    int positionMs_ = 0;
    // Scrolling by hand pauses the keeping in view for this many line changes.
    int pausedFor_ = 0;
    // Where the view stood after the last line change; none before the first.
    std::optional<long> viewTop_;
    // The position the last look read, to tell a pause by.
    std::optional<int> lastPositionMs_;
    HWND askedPlayer_ = nullptr;
    bool speaks_ = false;
    bool timing_ = false;
    std::size_t nextUntimed_ = 0;
};
