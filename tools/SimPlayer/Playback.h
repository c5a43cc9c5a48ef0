#pragma once

#include <string>
#include <vector>

// What the simulated player plays and how it names it in its window title.
// Text is UTF-16, as a Unicode player holds it; an ANSI window shows it in
// code page 1251.
struct Song {
    std::wstring artist; // empty when the playlist line has no " - "
    std::wstring title;
    int lengthSeconds = 0;
};

enum class PlayerGeneration { Classic, Studio };

class Playback {
public:
    enum class State { Idle, Playing, Paused, Stopped };

    Playback(PlayerGeneration generation, std::vector<Song> songs);

    // The player's keyboard shortcuts.
    void Previous();
    void Play();
    void TogglePause();
    void Stop();
    void Next();
    void Seek(int ms);
    // `ms` of playing time; runs into the next song at the end of one.
    void Advance(int ms);
    // Puts a playing or paused song at `ms`, kept within the song.
    void JumpTo(int ms);
    void Append(Song song);
    // Every song, those appended later too, lasts `seconds` from now on.
    void SetSongLength(int seconds);

    // The main window's title: "12. Artist - Title - Winamp [Paused]" for the
    // classic player, "12. Artist - Title (0:05/3:45) (Paused)" for the studio
    // one, the bare version before anything has played. A fixed title set with
    // `SetFixedTitle` wins over all of these.
    std::wstring Title() const;
    void SetFixedTitle(std::wstring title) { fixedTitle_ = std::move(title); }

    State CurrentState() const { return state_; }
    // Milliseconds into the current song.
    int Position() const { return position_; }
    int CurrentLengthMs() const { return LengthMs(current_); }
    // Index into `Songs()`; meaningless while the playlist is empty.
    std::size_t Current() const { return current_; }
    const std::vector<Song>& Songs() const { return songs_; }

private:
    void SelectSong(std::size_t index);
    int LengthMs(std::size_t index) const { return songs_[index].lengthSeconds * 1000; }

    PlayerGeneration generation_;
    std::vector<Song> songs_;
    std::wstring fixedTitle_;
    int songLength_ = 0; // 0: each song keeps its own length
    State state_ = State::Idle;
    std::size_t current_ = 0;
    int position_ = 0; // ms
};

// The title as the player shows it with its taskbar scrolling on, `step`
// turns after the scrolling began: caption[i:] + " *** " + caption, where the
// separator trails once more while the part left is shorter than it, as the
// rotation wraps round to the caption's start.
std::wstring ScrolledTitle(const std::wstring& caption, std::size_t step);

// "m:ss", as the player shows a position or a length.
std::wstring FormatTime(int seconds);

// Playlist file contents: one "Artist - Title" per line, in any encoding the
// program reads song texts in (code page 1251, UTF-8, UTF-16 with a mark),
// blank lines skipped, CR LF or LF line ends. Lengths are made up, a few
// minutes each.
std::vector<Song> ParsePlaylist(const std::string& contents);

// A few invented songs, some of them Cyrillic and one whose letters code page
// 1251 lacks, for a player started without a playlist file.
std::vector<Song> DefaultPlaylist();

// An invented song for the playlist editor's "add" key; `serial` counts from 1.
Song AddedSong(int serial);
