#include "lookup/RefreshCycle.h"

#include "editing/EditingIds.h"
#include "editing/ExternalEditor.h"
#include "editing/SavingRules.h"
#include "editing/TextSaving.h"
#include "editing/WidthFitting.h"
#include "lookup/LookupIds.h"
#include "lookup/RefreshRules.h"
#include "lookup/RefreshView.h"
#include "lookup/SafeFileName.h"
#include "lookup/TextSearch.h"
#include "player/PlayerLink.h"
#include "settings/SettingsSource.h"
#include "win/AnsiCase.h"
#include "win/FileText.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"

#include <richedit.h>

#include <optional>

namespace {

enum MissKind { PlayerNotRunning = 0, PlayerNotPlaying = 1, NoTextForSong = 2 };

bool Modified(HWND memo)
{
    return SendMessageA(memo, EM_GETMODIFY, 0, 0) != 0;
}

void SetMemoText(HWND memo, const std::string& text)
{
    SetWindowTextA(memo, text.c_str());
    SendMessageA(memo, EM_SETMODIFY, FALSE, 0);
}

} // namespace

void RefreshCycle::MenuRefreshClick()
{
    if (creatingFile_) {
        creatingFile_ = false;
        Refresh();
        return;
    }
    if (refreshing_) {
        pending_ = true;
        return;
    }
    // An error that ends a refresh must not leave every later one waiting.
    struct Running {
        bool& flag;
        explicit Running(bool& running) : flag(running) { flag = true; }
        ~Running() { flag = false; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running(refreshing_);
    do {
        pending_ = false;
        Refresh();
    } while (pending_);
}

void RefreshCycle::Timer1Timer()
{
    const HWND player = FindPlayerWindow(view_.Settings());
    const std::string current = player ? ReadPlayerTitle(player) : std::string(NoPlayerMarker);
    if (PlayerTitleChanged(current, lastPlayerTitle_))
        view_.MenuRefreshClick(view_.Window());
}

void RefreshCycle::MenuNextClick()
{
    if (view_.Candidates.empty())
        return;
    if (ShowCandidate(BestCandidate(view_.Candidates, view_.Song.SongTitle)))
        FitWindowWidth(view_.Window(), view_.Memo2(), view_.AnT(), view_.CurrentTextFile, view_.Settings());
}

void RefreshCycle::Refresh()
{
    const SettingsSource& settings = view_.Settings();
    HWND player = FindPlayerWindow(settings);
    if (Modified(view_.Memo2())) {
        const bool settled = AskAboutEdits();
        // The player may have gone while the question was open.
        if (player && !IsWindow(player))
            player = nullptr;
        if (!settled) {
            // The edit stays on screen, where the user can still save it; the
            // timer waits for the next song change rather than repeating the
            // failure every tick.
            lastPlayerTitle_ = player ? ReadPlayerTitle(player) : std::string(NoPlayerMarker);
            return;
        }
    }

    view_.CurrentTextFile.clear();
    view_.Song = {};
    view_.SetAnTCaption({});
    // The text area is emptied where the refresh ends without loading a text
    // into it: emptying a long text costs as much as loading one.
    view_.Candidates.clear();
    view_.EnableNextCommands(false);

    if (!player) {
        ReportMiss(PlayerNotRunning);
        return;
    }
    lastPlayerTitle_ = ReadPlayerTitle(player);
    std::string upperTitle = lastPlayerTitle_;
    MakeUpperAnsi(upperTitle);
    if (IsIdlePlayerTitle(upperTitle)) {
        ReportMiss(PlayerNotPlaying);
        return;
    }

    ParseNowPlaying(lastPlayerTitle_, settings, view_.Song);
    view_.SetAnTCaption(view_.Song.SongArtist + " - " + view_.Song.SongTitle);
    view_.FormResize(view_.Window());
    SearchTexts(view_.Song, settings, view_.Candidates);
    if (view_.Candidates.empty()) {
        ReportMiss(NoTextForSong);
        return;
    }
    if (!ShowCandidate(BestCandidate(view_.Candidates, view_.Song.SongTitle)))
        return;
    if (settings.LengthIsWidthEnabled() && settings.LengthIsWidth() &&
        !FitWindowWidth(view_.Window(), view_.Memo2(), view_.AnT(), view_.CurrentTextFile, settings))
        return;
    if (settings.AutoTrim())
        view_.ButtTrimClick(view_.Window());
    CHARRANGE start{0, 0};
    SendMessageA(view_.Memo2(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    if (!view_.Candidates.empty())
        view_.EnableNextCommands(true);
}

bool RefreshCycle::AskAboutEdits()
{
    const SettingsSource& settings = view_.Settings();
    view_.SetTimer1Running(false);
    bool settled = true;
    if ((settings.AutoSaveEnabled() && settings.AutoSave()) ||
        (!settings.SilentMode() &&
         ShowMessageBox(view_.Window(), LoadResourceString(IDS_TextModifiedQuestion),
                        LoadResourceString(IDS_AttentionCaption), MB_YESNO) == IDYES))
        settled = SaveEditedText(view_);
    view_.SetTimer1Running(settings.RefreshOnTimer());
    return settled;
}

bool RefreshCycle::ShowCandidate(std::size_t index)
{
    const SettingsSource& settings = view_.Settings();
    view_.CurrentTextFile = view_.Candidates[index];
    view_.CurrentTextFormat = {};
    view_.EnableSaveCommands(!settings.OpenByShell());
    if (settings.OpenByShell()) {
        SetMemoText(view_.Memo2(), {});
        OpenInExternalEditor(view_.CurrentTextFile, settings.ClosePads(), view_.EditorProcess);
    } else {
        const std::optional<std::string> text = ReadWholeFile(view_.CurrentTextFile);
        if (!text) {
            SetMemoText(view_.Memo2(), {});
            ReportError(view_.Window(), "Cannot open file " + view_.CurrentTextFile);
            return false;
        }
        view_.CurrentTextFormat = ShowFileText(view_.Memo2(), *text);
    }
    view_.SetStatusHint(view_.CurrentTextFile);
    view_.SetStatusText(StatusTextOf(view_.CurrentTextFile, settings.TextsPath()));
    view_.Candidates.erase(view_.Candidates.begin() + static_cast<std::ptrdiff_t>(index));
    view_.EnableNextCommands(!view_.Candidates.empty());
    return true;
}

void RefreshCycle::ReportMiss(int kind)
{
    const SettingsSource& settings = view_.Settings();
    SetMemoText(view_.Memo2(), {});
    const bool boxes = !settings.SilentMode();
    if (kind == PlayerNotRunning) {
        const std::string message = LoadResourceString(IDS_PlayerNotRunning);
        if (boxes) {
            view_.SetTimer1Running(false);
            ShowMessageBox(nullptr, message, LoadResourceString(IDS_AttentionCaption), MB_OK);
            view_.SetTimer1Running(settings.RefreshOnTimer());
        }
        view_.SetStatusText(message);
        lastPlayerTitle_ = NoPlayerMarker;
        view_.EnableSaveCommands(false);
    } else if (kind == PlayerNotPlaying) {
        const std::string message = LoadResourceString(IDS_PlayerNotPlaying);
        if (boxes)
            ShowMessageBox(nullptr, message, LoadResourceString(IDS_AttentionCaption), MB_OK);
        view_.SetStatusText(message);
        view_.EnableSaveCommands(false);
    } else {
        view_.Song.SongTitle = MakeSafeFileName(view_.Song.SongTitle, settings);
        std::string message = LoadResourceString(IDS_NoTextMessage);
        const std::size_t slot = message.find("%s");
        if (slot != std::string::npos)
            message.replace(slot, 2,
                            MissingTextPattern(settings.TextsPath(), view_.Song.SongArtist, view_.Song.SongTitle));
        if (boxes)
            ShowMessageBox(nullptr, message, LoadResourceString(IDS_NoTextCaption), MB_OK);
        view_.SetStatusText(message);
        FitWidthToArtistAndTitle(view_.Window(), view_.AnT(), settings);
    }
    CloseExternalEditor(settings.ClosePadsEnabled() && settings.ClosePads(), view_.EditorProcess);
    if (kind == NoTextForSong) {
        // Only a file that was written can be found by the next refresh;
        // refreshing after a failed write would repeat this miss without end.
        if (CreateTextFileForSong(view_)) {
            creatingFile_ = true;
            view_.MenuRefreshClick(view_.Window());
            creatingFile_ = false;
        }
        view_.EnableSaveCommands(!settings.OpenByShell());
    }
    EndMiss();
}

void RefreshCycle::EndMiss()
{
    view_.CurrentTextFile.clear();
    ShrinkToMinimumWidth(view_.Window(), view_.Settings());
    view_.SetStatusHint(view_.StatusText());
}
