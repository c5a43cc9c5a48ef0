#include "editing/TextSaving.h"

#include "editing/EditingIds.h"
#include "editing/ExternalEditor.h"
#include "editing/SavingRules.h"
#include "editing/SongTextView.h"
#include "editing/TextArea.h"
#include "editing/TextLines.h"
#include "editing/WidthFitting.h"
#include "settings/SettingsSource.h"
#include "win/FileText.h"
#include "win/MessageBoxes.h"
#include "lookup/SongSession.h"
#include "win/ResourceString.h"

namespace {

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int ShowBox(const SongTextView& view, UINT text, UINT caption, UINT type = MB_OK)
{
    return ShowMessageBox(view.Window(), LoadResourceString(text), LoadResourceString(caption), type);
}

void ShowSaved(SongTextView& view)
{
    const std::wstring& file = view.Session().CurrentTextFile;
    view.SetStatusText(StatusTextOf(file, view.Settings().TextsPath()));
    view.SetStatusHint(file);
    view.Text().SetModified(false);
}

// Whether saving means anything: not while the player is not running or not
// playing, when the text belongs to no song.
bool HasSongToSaveFor(SongTextView& view)
{
    return !view.Session().NoSong;
}

} // namespace

ShownTextFormat ShowFileText(TextArea& memo, std::string_view bytes)
{
    const DecodedText decoded = DecodeText(bytes);
    if (decoded.format == Cp1251Format) {
        memo.SetAnsiText(WithCrLfLineBreaks(bytes));
        return {};
    }
    const std::u16string text = WithCrLfLineBreaks(decoded.text);
    memo.SetUnicodeText(text);
    // The area ends the text at a NUL character, for one.
    return {decoded.format, WithCrLfLineBreaks(memo.Text()) == text};
}


bool WriteCurrentText(SongTextView& view)
{
    if (!HasSongToSaveFor(view))
        return false;

    // A new file starts in code page 1251. The rich edit keeps a line break
    // as one CR; the file has CR LF.
    SongSession& session = view.Session();
    if (session.CurrentTextFile.empty())
        session.CurrentTextFormat = {};
    // A followed text's tags are hidden on screen: it is saved as it was
    // read, with its lines' own breaks and its timing's offset now (which
    // stays the text as read, so that the lines keep their places).
    const bool followed = session.Synced && !session.SyncedTagsShown;
    const std::u16string text = followed ? WrittenText(*session.Synced, session.SyncedOffsetMs)
                                         : WithCrLfLineBreaks(view.Text().Text());
    const SavePlan plan = PlanSave(text, session.CurrentTextFormat, view.Text().Modified());
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
    // A new text goes to the song's artist's folder, made when missing; a
    // text read from a file goes back to that file's folder, whichever song
    // plays (a text chosen in the find window need not be the song's).
    const std::wstring& file = session.CurrentTextFile;
    const std::wstring folder =
        file.empty() ? ArtistFolderOf(session.Song, settings) : file.substr(0, file.find_last_of(L'\\'));

    if (!IsFolder(folder) && !CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) {
        ShowBox(view, IDS_CannotCreateFolder, IDS_CannotCreateFolderCaption);
        return false;
    }

    if (session.CurrentTextFile.empty())
        session.CurrentTextFile = NewTextFileOf(session.Song, settings);
    if (!WriteWholeFile(session.CurrentTextFile, plan.bytes)) {
        ShowBox(view, IDS_CannotSave, IDS_CannotSaveCaption);
        return false;
    }
    session.CurrentTextFormat = {plan.format, true};
    ShowSaved(view);
    view.TextWritten(session.CurrentTextFile);
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
        FitWindowWidth(view.Window(), view.Text(), view.AnT(), view.Session().CurrentTextFile, view.Settings());
}

bool CreateTextFileForSong(SongTextView& view)
{
    const SettingsSource& settings = view.Settings();
    return settings.OpenByShell() && settings.Iamawriter() && WriteCurrentText(view);
}

bool FinishEditingAtClose(SongTextView& view)
{
    const SettingsSource& settings = view.Settings();
    if (view.Text().Modified() && settings.AutoSave() && !SaveEditedText(view))
        return false;
    CloseExternalEditor(settings.ClosePads(), view.Session().EditorProcess);
    return true;
}
