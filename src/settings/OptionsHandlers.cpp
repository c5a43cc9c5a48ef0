// What each control of the options window does to the main window, and the
// switch between text-view mode and external-editor mode.
#include "win/LateBinding.h"
#include "settings/MainWindowLook.h"
#include "settings/OptionRules.h"
#include "settings/OptionsIds.h"
#include "settings/OptionsWindow.h"
#include "settings/ColourGrid.h"
#include "settings/SpinField.h"
#include "win/ResourceString.h"
#include "win/StayOnTop.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

using Part = MainWindowLook::Part;

// The label's size while the main window is only a toolbar.
constexpr int EditorModeAnTFontSize = 10;

// Controls that make sense only in text-view mode; leaving external-editor
// mode enables them all, whatever the boxes that govern some of them hold.
constexpr OptionId TextViewControls[] = {MemoFontSizeId, AutoSaveId,   LengthIsWidthId, MaxLabelId, MaxMemoWidthId,
                                         MinMemoWidthId, UseAnTWidthId, FontBoxId,      AutoTrimId};

COLORREF ColourOfIndex(int index)
{
    const TableColour& colour = ColourTable[static_cast<std::size_t>(index)];
    return RGB(colour.red, colour.green, colour.blue);
}

void ResizeWindowBy(HWND window, int width, int height)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left + width, bounds.bottom - bounds.top + height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

enum class Along { Nothing, Width, Height };

// Shows or hides a part of the main window, which grows or shrinks by the
// part's extent along the given side; nothing when the part already is so.
void ShowMainPart(MainWindowLook& mainWindow, Part part, bool shown, Along along)
{
    if (mainWindow.IsPartShown(part) == shown)
        return;
    mainWindow.ShowPart(part, shown);
    const int change = shown ? mainWindow.PartExtent(part) : -mainWindow.PartExtent(part);
    if (along != Along::Nothing)
        ResizeWindowBy(mainWindow.Window(), along == Along::Width ? change : 0, along == Along::Height ? change : 0);
}

} // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title)
{
    static const auto initialize = LateFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    static const auto uninitialize = LateFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    static const auto freeMemory = LateFunction<decltype(CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
    static const auto browseForFolder = LateFunction<decltype(SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
    static const auto pathOf = LateFunction<decltype(SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
    if (!initialize || !uninitialize || !freeMemory || !browseForFolder || !pathOf)
        return std::nullopt;
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::optional<std::string> folder;
    if (PIDLIST_ABSOLUTE chosen = browseForFolder(&browse)) {
        char path[MAX_PATH] = {};
        if (pathOf(chosen, path) && path[0])
            folder = path;
        freeMemory(chosen);
    }
    if (SUCCEEDED(com))
        uninitialize();
    return folder;
}

void TOptions::BrowsePathClick(HWND)
{
    // While the browser is open, neither of the program's windows takes input.
    HWND mainWindow = mainWindow_.Window();
    const bool mainWasEnabled = EnableWindow(mainWindow, FALSE) == FALSE;
    const std::optional<std::string> folder =
        browseForFolder ? browseForFolder(window_, LoadResourceString(instance_, IDS_BrowseTitle)) : std::nullopt;
    EnableWindow(mainWindow, mainWasEnabled);
    if (!folder)
        return;
    SetTextsPath(folder->ends_with('\\') ? *folder : *folder + '\\');
}

void TOptions::RefreshOnTimerClick(HWND)
{
    const bool on = RefreshOnTimer();
    EnableControl(RefreshIntervalId, on);
    mainWindow_.SetTimer1Running(on);
}

void TOptions::RefreshIntervalChange(HWND)
{
    // The running timer takes the new period; a stopped one reads it when it starts.
    if (mainWindow_.Timer1Enabled())
        mainWindow_.SetTimer1Running(true);
}

void TOptions::MemoFontSizeChange(HWND)
{
    mainWindow_.SetMemoFontSize(MemoFontSize());
}

void TOptions::FontBoxChange(HWND)
{
    mainWindow_.SetMemoFontFace(FontBox());
}

void TOptions::ShowToolBarClick(HWND)
{
    ShowMainPart(mainWindow_, Part::ToolBar, ShowToolBar(), Along::Height);
}

void TOptions::ShowStatusBarClick(HWND)
{
    ShowMainPart(mainWindow_, Part::StatusLine, ShowStatusBar(), Along::Height);
}

void TOptions::ControlWinampClick(HWND)
{
    ShowMainPart(mainWindow_, Part::PlayerPanel, ControlWinamp(), OpenByShell() ? Along::Width : Along::Nothing);
}

void TOptions::ShowAnTClick(HWND)
{
    const bool shown = ShowAnT();
    ShowMainPart(mainWindow_, Part::Label, shown, OpenByShell() ? Along::Height : Along::Nothing);
    if (!OpenByShell())
        EnableControl(AnTFontSizeId, shown);
}

void TOptions::LengthIsWidthClick(HWND)
{
    const bool fitted = LengthIsWidth();
    mainWindow_.SetMemoWordWrap(!fitted);
    EnableControl(UseAnTWidthId, IsEnabled(LengthIsWidthId));
    if (!OpenByShell()) {
        EnableControl(MaxMemoWidthId, fitted);
        EnableControl(MinMemoWidthId, fitted);
    }
}

void TOptions::StayOnTopClick(HWND)
{
    SetStayOnTop(mainWindow_.Window(), StayOnTop());
    SetStayOnTop(window_, StayOnTop());
}

void TOptions::AnTFontSizeChange(HWND)
{
    mainWindow_.SetLabelFontSize(AnTFontSize());
}

void TOptions::AnTColorChange(HWND)
{
    mainWindow_.SetLabelColours(ColourOfIndex(anTColor_->ForegroundIndex()),
                                ColourOfIndex(anTColor_->BackgroundIndex()));
}

void TOptions::SpecialLeftMouseDown(HWND, UINT)
{
    SetSpecialSymPosition(StepSpecialSymbolBack(specialPosition_));
}

void TOptions::SpecialRightMouseDown(HWND, UINT)
{
    SetSpecialSymPosition(StepSpecialSymbolForward(specialPosition_));
}

void TOptions::ShowHintsClick(HWND)
{
    mainWindow_.SetShowHint(!mainWindow_.ShowHint());
}

void TOptions::AmpVerClick(HWND)
{
    mainWindow_.EnablePlaylistCommands(AmpVer() == 0);
}

void TOptions::OpenByShellClick(HWND)
{
    if (OpenByShell())
        EnterEditorMode();
    else
        LeaveEditorMode();
}

void TOptions::EnterEditorMode()
{
    HWND mainWindow = mainWindow_.Window();
    mainWindow_.ShowTextView(false);
    SetChecked(ShowToolBarId, true);
    EnableControl(ShowToolBarId, false);

    RECT bounds{};
    GetWindowRect(mainWindow, &bounds);
    NormalHeight = bounds.bottom - bounds.top;
    NormalWidth = bounds.right - bounds.left;
    KeptAnTFontSize = AnTFontSize();
    Spin(AnTFontSizeId).SetValue(EditorModeAnTFontSize);

    const ClientSize client = EditorModeClientSize(mainWindow_.EditorModeMetrics());
    // The frame first, so that the client size holds within the new frame.
    mainWindow_.SetToolWindowFrame(true);
    RECT inside{};
    GetClientRect(mainWindow, &inside);
    ResizeWindowBy(mainWindow, client.width - inside.right, client.height - inside.bottom);
    mainWindow_.EnableTextCommands(false);

    for (OptionId id : TextViewControls)
        EnableControl(id, false);
    EnableControl(AnTFontSizeId, false);
    EnableControl(IamawriterId, true);
    EnableControl(ClosePadsId, true);
    TakeFocusIfShown();
}

void TOptions::LeaveEditorMode()
{
    mainWindow_.ShowTextView(true);
    // The sizeable frame first, so that the kept size is the window's own.
    mainWindow_.SetToolWindowFrame(false);
    if (NormalWidth > 0 && NormalHeight > 0)
        SetWindowPos(mainWindow_.Window(), nullptr, 0, 0, NormalWidth, NormalHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    mainWindow_.EnableTextCommands(true);

    for (OptionId id : TextViewControls)
        EnableControl(id, true);
    EnableControl(ShowToolBarId, true);
    EnableControl(IamawriterId, false);
    Spin(AnTFontSizeId).SetValue(KeptAnTFontSize);
    EnableControl(AnTFontSizeId, ShowAnT());
    EnableControl(ClosePadsId, false);
    TakeFocusIfShown();
}

void TOptions::TakeFocusIfShown() const
{
    // Changing the main window's frame may have taken the focus from here.
    if (!IsWindowVisible(window_))
        return;
    SetForegroundWindow(window_);
    SetFocus(Control(OpenByShellId));
}
