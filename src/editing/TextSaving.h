#pragma once

#include "editing/TextEncoding.h"

#include <string_view>

class SongTextView;
class TextArea;

// Puts the text of a file's `bytes` in the text area, unmodified, and says how
// the file stores it. Code page 1251 goes in as ANSI text, as it always did;
// UTF-8 and UTF-16 as UTF-16, every character kept. The text is read back, so
// that a text the area could not take whole is known and never saved over its
// file.
ShownTextFormat ShowFileText(TextArea& memo, std::string_view bytes);

// Writes the text area to the session's `CurrentTextFile` in the file's own
// format, or, with no file shown, to a new file named after the song in the
// artist's folder (made when missing, one level) in code page 1251. Writes
// nothing while the player is not running or not playing. A text that
// code page 1251 cannot hold is written only when the user agrees to keep the
// file in UTF-8 with a mark from then on; a text that would lose characters
// is refused with a box; an unchanged text from a file in any other format is
// left alone (a success). Failures are shown in boxes owned by the window,
// whatever the silent mode says. On success the status line shows the path
// below the texts folder (its hint the full path) and the text counts as
// unmodified. Returns whether the text was written.
bool WriteCurrentText(SongTextView& view);

// The save command: writes the text, then fits the window to it when
// `LengthIsWidth` is ticked.
void SaveTextClick(SongTextView& view);

// An edited text about to be left: written, unless it belongs to no song
// (the player is not running or not playing), when there is nothing to write
// it for. Returns whether the edit may be left:
// false when writing failed or the user declined, the text still on screen.
bool SaveEditedText(SongTextView& view);

// For a song that has no text, in external-editor mode with `Iamawriter`
// ticked: writes the (empty) text area to a new file for the song. Returns
// whether a file was written, so that the caller refreshes only then.
bool CreateTextFileForSong(SongTextView& view);

// What closing the program does to the shown text and the editor: an edited
// text is saved without a question while `AutoSave` is ticked (enabled or
// not), and the editor started last is closed while `ClosePads` is ticked.
// Returns false, leaving the editor alone, when that save failed: the close
// must stop then, or the edit would be lost with the window.
bool FinishEditingAtClose(SongTextView& view);
