#pragma once

#include "editing/ExternalEditor.h"
#include "editing/TextEncoding.h"
#include "lookup/Ranking.h"
#include "player/NowPlaying.h"
#include "sync/SyncedText.h"

#include <optional>
#include <string>

// What the program knows of the song it is on: what the player said, the
// file it found and shows or opened, the other files found, and the editor
// started for it. The refresh cycle keeps it; saving and the commands read it.
struct SongSession {
    // The song of the last refresh; a new text is named after it.
    NowPlayingSong Song;
    // The player's line at the last refresh that found the player, "NoAmp"
    // after one that did not; empty before the first.
    std::wstring LastPlayerTitle;
    // Full path of the text shown or opened; empty when none.
    std::wstring CurrentTextFile;
    // How that file stores its text, so that saving writes it back the same
    // way; code page 1251 when nothing was read from it.
    ShownTextFormat CurrentTextFormat;
    // Full paths of the other text files found for the song.
    CandidateList Candidates;
    // The editor started last; zero when none.
    EditorProcessRecord EditorProcess;
    // A timed text on screen: what it was read as, the offset of its timing
    // now (saved as its "[offset:]"), and whether its tags are shown, for
    // editing, rather than hidden while it is followed.
    std::optional<SyncedText> Synced;
    int SyncedOffsetMs = 0;
    bool SyncedTagsShown = false;
    // Whether the last refresh found the player not running or not playing:
    // the text on screen then belongs to no song, and is not saved for one.
    bool NoSong = false;
};
