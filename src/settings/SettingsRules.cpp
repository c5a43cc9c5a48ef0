#include "settings/SettingsRules.h"

#include "settings/MainWindowLook.h"
#include "settings/Settings.h"

namespace {

using Part = MainWindowLook::Part;

// Options that make sense only in text-view mode; leaving external-editor
// mode enables them all, whatever the boxes that govern some of them hold.
constexpr OptionId TextViewControls[] = {MemoFontSizeId, AutoSaveId,   LengthIsWidthId, MaxLabelId, MaxMemoWidthId,
                                         MinMemoWidthId, UseAnTWidthId, FontBoxId,      AutoTrimId};

void ResizeWindowBy(MainWindowLook& mainWindow, int width, int height)
{
    const ClientSize size = mainWindow.WindowSize();
    mainWindow.SetWindowSize({size.width + width, size.height + height});
}

enum class Along { Nothing, Width, Height };

// Shows or hides a part of the main window, which grows or shrinks by the
// part's extent along the given side; nothing when the part already is so.
void ShowMainPart(MainWindowLook* mainWindow, Part part, bool shown, Along along)
{
    if (!mainWindow || mainWindow->IsPartShown(part) == shown)
        return;
    mainWindow->ShowPart(part, shown);
    const int change = shown ? mainWindow->PartExtent(part) : -mainWindow->PartExtent(part);
    if (along != Along::Nothing)
        ResizeWindowBy(*mainWindow, along == Along::Width ? change : 0, along == Along::Height ? change : 0);
}

void EnterEditorMode(Settings& settings, MainWindowLook* mainWindow)
{
    if (mainWindow)
        mainWindow->ShowTextView(false);
    if (!settings.showToolBar) {
        settings.showToolBar = true;
        ApplySettingChange(settings, ShowToolBarId, mainWindow);
    }
    settings.Enable(ShowToolBarId, false);
    if (mainWindow) {
        // The text-view size to come back to, in design units as it is stored.
        const ClientSize normal = mainWindow->WindowSize();
        settings.geometry.width = mainWindow->Scale().DesignUnits(normal.width);
        settings.geometry.height = mainWindow->Scale().DesignUnits(normal.height);
        if (settings.anTFontSize != Settings::EditorModeAnTFontSize)
            mainWindow->SetLabelFontSize(Settings::EditorModeAnTFontSize);
        const ClientSize client = EditorModeClientSize(mainWindow->EditorModeMetrics());
        // The frame first, so that the client size holds within the new frame.
        mainWindow->SetToolWindowFrame(true);
        const ClientSize inside = mainWindow->ClientArea();
        ResizeWindowBy(*mainWindow, client.width - inside.width, client.height - inside.height);
        mainWindow->EnableTextCommands(false);
    }
    for (OptionId id : TextViewControls)
        settings.Enable(id, false);
    settings.Enable(AnTFontSizeId, false);
    settings.Enable(IamawriterId, true);
    settings.Enable(ClosePadsId, true);
}

void LeaveEditorMode(Settings& settings, MainWindowLook* mainWindow)
{
    if (mainWindow) {
        mainWindow->ShowTextView(true);
        // The sizeable frame first, so that the kept size is the window's own.
        mainWindow->SetToolWindowFrame(false);
        const DisplayScale scale = mainWindow->Scale();
        if (settings.geometry.width > 0 && settings.geometry.height > 0)
            mainWindow->SetWindowSize({scale.Pixels(settings.geometry.width), scale.Pixels(settings.geometry.height)});
        mainWindow->EnableTextCommands(true);
        if (settings.anTFontSize != Settings::EditorModeAnTFontSize)
            mainWindow->SetLabelFontSize(settings.anTFontSize);
    }
    for (OptionId id : TextViewControls)
        settings.Enable(id, true);
    settings.Enable(ShowToolBarId, true);
    settings.Enable(IamawriterId, false);
    settings.Enable(AnTFontSizeId, settings.showAnT);
    settings.Enable(ClosePadsId, false);
}

TableColour ColourOfIndex(int index)
{
    return ColourTable[static_cast<std::size_t>(index)];
}

} // namespace

void ApplySettingChange(Settings& settings, OptionId changed, MainWindowLook* mainWindow)
{
    switch (changed) {
    case RefreshOnTimerId:
        settings.Enable(RefreshIntervalId, settings.refreshOnTimer);
        if (mainWindow)
            mainWindow->SetTimer1Running(settings.refreshOnTimer);
        break;
    case RefreshIntervalId:
        // The running timer takes the new period; a stopped one reads it when it starts.
        if (mainWindow && mainWindow->Timer1Enabled())
            mainWindow->SetTimer1Running(true);
        break;
    case MemoFontSizeId:
        if (mainWindow)
            mainWindow->SetMemoFontSize(settings.memoFontSize);
        break;
    case FontBoxId:
        if (mainWindow)
            mainWindow->SetMemoFontFace(settings.fontBox);
        break;
    case OpenByShellId:
        if (settings.openByShell)
            EnterEditorMode(settings, mainWindow);
        else
            LeaveEditorMode(settings, mainWindow);
        break;
    case ShowToolBarId:
        ShowMainPart(mainWindow, Part::ToolBar, settings.showToolBar, Along::Height);
        break;
    case ShowStatusBarId:
        ShowMainPart(mainWindow, Part::StatusLine, settings.showStatusBar, Along::Height);
        break;
    case ControlWinampId:
        ShowMainPart(mainWindow, Part::PlayerPanel, settings.controlWinamp,
                     settings.openByShell ? Along::Width : Along::Nothing);
        break;
    case ShowAnTId:
        ShowMainPart(mainWindow, Part::Label, settings.showAnT, settings.openByShell ? Along::Height : Along::Nothing);
        if (!settings.openByShell)
            settings.Enable(AnTFontSizeId, settings.showAnT);
        break;
    case LengthIsWidthId:
        if (mainWindow)
            mainWindow->SetMemoWordWrap(!settings.lengthIsWidth);
        settings.Enable(UseAnTWidthId, settings.IsEnabled(LengthIsWidthId));
        if (!settings.openByShell) {
            settings.Enable(MaxMemoWidthId, settings.lengthIsWidth);
            settings.Enable(MinMemoWidthId, settings.lengthIsWidth);
        }
        break;
    case StayOnTopId:
        if (mainWindow)
            mainWindow->SetStayOnTop(settings.stayOnTop);
        break;
    case AnTFontSizeId:
        if (mainWindow)
            mainWindow->SetLabelFontSize(settings.AnTFontSize());
        break;
    case AnTColorId:
        if (mainWindow)
            mainWindow->SetLabelColours(ColourOfIndex(settings.anTColor.foreground),
                                        ColourOfIndex(settings.anTColor.background));
        break;
    case ShowHintsId:
        if (mainWindow)
            mainWindow->SetShowHint(settings.showHints);
        break;
    case AmpVerId:
        // No button chosen runs nothing.
        if (mainWindow && settings.ampVer != PlayerGeneration::None)
            mainWindow->EnablePlaylistCommands(settings.ampVer == PlayerGeneration::Winamp2);
        break;
    default:
        break;
    }
}
