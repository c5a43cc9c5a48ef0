#pragma once

#include "editing/TextEncoding.h"

#include <string>
#include <string_view>

class SettingsSource;
struct NowPlayingSong;

// Where a song's text goes and what the status line says of it; no window
// and no file is touched here.

// The artist's folder: `TextsPath` followed directly by the safe artist name,
// with no separator put between them.
std::wstring ArtistFolderOf(const NowPlayingSong& song, const SettingsSource& settings);

// The file a new text for the song is written to: the artist's folder, a
// backslash, the safe title and ".txt". With no artist the path holds two
// backslashes in a row, which the file system reads as one.
std::wstring NewTextFileOf(const NowPlayingSong& song, const SettingsSource& settings);

// The status line for a shown or saved file: `path` from the character whose
// position, counted from 1, equals the length of `textsPath`, at most 255
// characters. Below a texts folder ending in a backslash this is the path
// from that backslash on; with an empty `textsPath`, the whole path.
std::wstring StatusTextOf(std::wstring_view path, std::wstring_view textsPath);

// The command line that opens `file` in `program`: the program, a space and
// the file in double quotes. A program path holding a space is quoted too, so
// that the system cannot take its first word for the program.
std::wstring EditorCommandLine(std::wstring_view program, std::wstring_view file);

// What saving the text area does with the file the text came from.
enum class SaveAction {
    Write,             // `bytes`, in `format`
    AskToSwitchToUtf8, // code page 1251 lacks a character: `bytes` are UTF-8 with a mark, if the user agrees
    KeepFile,          // a text not changed since it was read from a file not in code page 1251
    Refuse,            // a character would be lost
};

struct SavePlan {
    SaveAction action = SaveAction::Write;
    TextFormat format;
    std::string bytes;
};

// `text` (line breaks as the file gets them) saved over a file shown in
// `shown`; a new file counts as code page 1251. A code page 1251 text is
// written whenever the user saves, as it always was; a text in any other
// format only when it changed, as nothing would be gained and the text area
// may have normalised its line breaks.
SavePlan PlanSave(std::u16string_view text, const ShownTextFormat& shown, bool modified);
