#pragma once

class SongTextView;

// Whether saving means anything: not while the status line says that the
// player is not running or not playing, when the text belongs to no song.
bool HasSongToSaveFor(const SongTextView& view);

// Writes the text area to `CurrentTextFile`, or, with no file shown, to a new
// file named after the song in the artist's folder (made when missing, one
// level). Writes nothing while the status line says that the player is not
// running or not playing. Failures are shown in boxes owned by the window,
// whatever the silent mode says. On success the status line shows the path
// below the texts folder (its hint the full path) and the text counts as
// unmodified. Returns whether the text was written.
bool WriteCurrentText(SongTextView& view);

// The save command: writes the text, then fits the window to it when
// `LengthIsWidth` is ticked.
void SaveTextClick(SongTextView& view);

// For a song that has no text, in external-editor mode with `Iamawriter`
// ticked: writes the (empty) text area to a new file for the song. Returns
// whether a file was written, so that the caller refreshes only then.
bool CreateTextFileForSong(SongTextView& view);

// What closing the program does to the shown text and the editor: an edited
// text is saved without a question while `AutoSave` is ticked (enabled or
// not), and the editor started last is closed while `ClosePads` is ticked.
void FinishEditingAtClose(SongTextView& view);
