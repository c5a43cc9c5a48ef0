#include "editing/TextSaving.h"

#include "editing/EditingIds.h"
#include "editing/ExternalEditor.h"
#include "editing/MemoTidying.h"
#include "editing/SavingRules.h"
#include "editing/SongTextView.h"
#include "editing/TextLines.h"
#include "editing/WidthFitting.h"
#include "settings/SettingsSource.h"
#include "win/FileText.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"

#include <richedit.h>

namespace {

bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ShowFailure(const SongTextView& view, UINT text, UINT caption)
{
    ShowMessageBox(view.Window(), LoadResourceString(text), LoadResourceString(caption), MB_OK);
}

} // namespace

bool HasSongToSaveFor(const SongTextView& view)
{
    const std::string status = view.StatusText();
    return status != LoadResourceString(IDS_PlayerNotRunning) && status != LoadResourceString(IDS_PlayerNotPlaying);
}

bool WriteCurrentText(SongTextView& view)
{
    if (!HasSongToSaveFor(view))
        return false;

    const SettingsSource& settings = view.Settings();
    const std::string folder = ArtistFolderOf(view.Song, settings);

    if (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr) && !IsFolder(folder)) {
        ShowFailure(view, IDS_CannotCreateFolder, IDS_CannotCreateFolderCaption);
        return false;
    }

    if (view.CurrentTextFile.empty())
        view.CurrentTextFile = NewTextFileOf(view.Song, settings);
    // The rich edit keeps a line break as one CR; the file has CR LF.
    if (!WriteWholeFile(view.CurrentTextFile, WithCrLfLineBreaks(ControlText(view.Memo2())))) {
        ShowFailure(view, IDS_CannotSave, IDS_CannotSaveCaption);
        return false;
    }

    view.SetStatusText(StatusTextOf(view.CurrentTextFile, settings.TextsPath()));
    view.SetStatusHint(view.CurrentTextFile);
    SendMessageA(view.Memo2(), EM_SETMODIFY, FALSE, 0);
    return true;
}

void SaveTextClick(SongTextView& view)
{
    // Fitting after a failed save would only add a second error about a file
    // that was never written.
    if (WriteCurrentText(view) && view.Settings().LengthIsWidth())
        FitWindowWidth(view.Window(), view.Memo2(), view.AnT(), view.CurrentTextFile, view.Settings());
}

bool CreateTextFileForSong(SongTextView& view)
{
    const SettingsSource& settings = view.Settings();
    return settings.OpenByShell() && settings.Iamawriter() && WriteCurrentText(view);
}

void FinishEditingAtClose(SongTextView& view)
{
    const SettingsSource& settings = view.Settings();
    if (SendMessageA(view.Memo2(), EM_GETMODIFY, 0, 0) && settings.AutoSave())
        WriteCurrentText(view);
    if (settings.ClosePads() && view.EditorProcess.threadId) {
        EnumThreadWindows(view.EditorProcess.threadId, CloseEditorWindows, 0);
        view.EditorProcess = {};
    }
}
