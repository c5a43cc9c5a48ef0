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

int ShowBox(const SongTextView& view, UINT text, UINT caption, UINT type = MB_OK)
{
    return ShowMessageBox(view.Window(), LoadResourceString(text), LoadResourceString(caption), type);
}

void ShowSaved(SongTextView& view)
{
    view.SetStatusText(StatusTextOf(view.CurrentTextFile, view.Settings().TextsPath()));
    view.SetStatusHint(view.CurrentTextFile);
    SendMessageA(view.Memo2(), EM_SETMODIFY, FALSE, 0);
}

// Whether saving means anything: not while the status line says that the
// player is not running or not playing, when the text belongs to no song.
bool HasSongToSaveFor(const SongTextView& view)
{
    const std::string status = view.StatusText();
    return status != LoadResourceString(IDS_PlayerNotRunning) && status != LoadResourceString(IDS_PlayerNotPlaying);
}

} // namespace

ShownTextFormat ShowFileText(HWND memo, std::string_view bytes)
{
    const DecodedText decoded = DecodeText(bytes);
    if (decoded.format == Cp1251Format) {
        SetWindowTextA(memo, WithCrLfLineBreaks(bytes).c_str());
        SendMessageA(memo, EM_SETMODIFY, FALSE, 0);
        return {};
    }
    const std::u16string text = WithCrLfLineBreaks(decoded.text);
    SETTEXTEX how{ST_DEFAULT, UnicodeCodePage};
    SendMessageA(memo, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(memo, EM_SETMODIFY, FALSE, 0);
    // The area ends the text at a NUL character, for one.
    return {decoded.format, WithCrLfLineBreaks(ControlUnicodeText(memo)) == text};
}


bool WriteCurrentText(SongTextView& view)
{
    if (!HasSongToSaveFor(view))
        return false;

    // A new file starts in code page 1251. The rich edit keeps a line break
    // as one CR; the file has CR LF.
    if (view.CurrentTextFile.empty())
        view.CurrentTextFormat = {};
    const SavePlan plan = PlanSave(WithCrLfLineBreaks(ControlUnicodeText(view.Memo2())), view.CurrentTextFormat,
                                   SendMessageA(view.Memo2(), EM_GETMODIFY, 0, 0) != 0);
    if (plan.action == SaveAction::Refuse) {
        ShowBox(view, IDS_CharactersWouldBeLost, IDS_CannotSaveCaption);
        return false;
    }
    if (plan.action == SaveAction::AskToSwitchToUtf8 &&
        ShowBox(view, IDS_SwitchToUtf8Question, IDS_SwitchToUtf8Caption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (plan.action == SaveAction::KeepFile) {
        ShowSaved(view);
        return true;
    }

    const SettingsSource& settings = view.Settings();
    const std::string folder = ArtistFolderOf(view.Song, settings);

    if (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr) && !IsFolder(folder)) {
        ShowBox(view, IDS_CannotCreateFolder, IDS_CannotCreateFolderCaption);
        return false;
    }

    if (view.CurrentTextFile.empty())
        view.CurrentTextFile = NewTextFileOf(view.Song, settings);
    if (!WriteWholeFile(view.CurrentTextFile, plan.bytes)) {
        ShowBox(view, IDS_CannotSave, IDS_CannotSaveCaption);
        return false;
    }
    view.CurrentTextFormat = {plan.format, true};
    ShowSaved(view);
    return true;
}

bool SaveEditedText(SongTextView& view)
{
    return !HasSongToSaveFor(view) || WriteCurrentText(view);
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

bool FinishEditingAtClose(SongTextView& view)
{
    const SettingsSource& settings = view.Settings();
    if (SendMessageA(view.Memo2(), EM_GETMODIFY, 0, 0) && settings.AutoSave() && !SaveEditedText(view))
        return false;
    CloseExternalEditor(settings.ClosePads(), view.EditorProcess);
    return true;
}
