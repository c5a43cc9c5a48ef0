#include "settings/OptionControls.h"

#include "settings/OptionsIds.h"

#include <array>

namespace {

using enum ControlKind;

// Where a control overlaps a label (the interval field sits in the label's run
// of spaces), the control comes first, so that it lies above the label.
constexpr OptionControl WorkPage[] = {
    // id, kind, left, top, width, height, caption, hint, minimum, maximum, maxLength
    {NoOptionId, Frame, 1, 0, 303, 44, IDS_TextsPathFrame, 0, 0, 0, 0},
    {TextsPathId, TextField, 8, 14, 264, 21, 0, 0, 0, 0, 0},
    {BrowsePathId, PushButton, 275, 14, 22, 22, IDS_BrowsePath, 0, 0, 0, 0},
    {RefreshOnTimerId, CheckBox, 7, 50, 139, 14, IDS_RefreshOnTimer, IDS_RefreshOnTimerHint, 0, 0, 0},
    {RefreshIntervalId, SpinField, 73, 65, 35, 22, 0, 0, 1, 99, 2},
    {NoOptionId, Label, 17, 68, 0, 13, IDS_IntervalLabel, 0, 0, 0, 0},
    {SilentModeId, CheckBox, 183, 52, 110, 14, IDS_SilentMode, IDS_SilentModeHint, 0, 0, 0},
    {NoOptionId, HorizontalLine, 0, 81, 169, 2, 0, 0, 0, 0, 0},
    {LengthIsWidthId, CheckBox, 7, 94, 132, 14, IDS_LengthIsWidth, IDS_LengthIsWidthHint, 0, 0, 0},
    {NoOptionId, Label, 3, 116, 0, 13, IDS_MinLabel, 0, 0, 0, 0},
    {MinMemoWidthId, SpinField, 25, 113, 54, 22, 0, IDS_MinMemoWidthHint, 1, 800, 3},
    {MaxLabelId, Label, 85, 116, 0, 13, IDS_MaxLabel, 0, 0, 0, 0},
    {MaxMemoWidthId, SpinField, 112, 113, 54, 22, 0, IDS_MaxMemoWidthHint, 1, 800, 3},
    {NoOptionId, VerticalLine, 172, 48, 2, 66, 0, 0, 0, 0, 0},
    {AmpVerId, RadioGroup, 176, 67, 128, 46, IDS_AmpVer, 0, 0, 0, 0},
    {UseAnTWidthId, CheckBox, 183, 117, 117, 14, IDS_UseAnTWidth, IDS_UseAnTWidthHint, 0, 0, 0},
};

constexpr OptionControl LookPage[] = {
    {ShowToolBarId, CheckBox, 0, 1, 133, 14, IDS_ShowToolBar, IDS_ShowToolBarHint, 0, 0, 0},
    {ShowStatusBarId, CheckBox, 0, 16, 133, 14, IDS_ShowStatusBar, IDS_ShowStatusBarHint, 0, 0, 0},
    {ShowAnTId, CheckBox, 0, 31, 128, 14, IDS_ShowAnT, IDS_ShowAnTHint, 0, 0, 0},
    {StayOnTopId, CheckBox, 160, 1, 122, 14, IDS_StayOnTop, IDS_StayOnTopHint, 0, 0, 0},
    {ControlWinampId, CheckBox, 160, 16, 112, 14, IDS_ControlWinamp, IDS_ControlWinampHint, 0, 0, 0},
    {ShowHintsId, CheckBox, 160, 31, 97, 14, IDS_ShowHints, IDS_ShowHintsHint, 0, 0, 0},
    {NoOptionId, HorizontalLine, 128, 46, 174, 2, 0, 0, 0, 0, 0},
    {NoOptionId, Label, 12, 58, 0, 13, IDS_SizeLabel, 0, 0, 0, 0},
    {AnTFontSizeId, SpinField, 64, 56, 37, 22, 0, 0, 5, 50, 0},
    {NoOptionId, Label, 110, 58, 0, 13, IDS_ColourLabel, 0, 0, 0, 0},
    {NoOptionId, WrappingLabel, 11, 80, 140, 26, IDS_LabelLineLabel, 0, 0, 0, 0},
    {AnTColorId, ColourGrid, 161, 59, 136, 32, 0, 0, 0, 0, 0},
};

constexpr OptionControl EditorPage[] = {
    {NoOptionId, Label, 10, 13, 0, 13, IDS_FontLabel, 0, 0, 0, 0},
    {FontBoxId, FontList, 55, 10, 145, 21, 0, IDS_FontBoxHint, 0, 0, 0},
    {MemoFontSizeId, SpinField, 206, 9, 35, 22, 0, IDS_MemoFontSizeHint, 1, 99, 2},
    {OpenByShellId, CheckBox, 7, 36, 145, 14, IDS_OpenByShell, IDS_OpenByShellHint, 0, 0, 0},
    {IamawriterId, CheckBox, 7, 51, 114, 14, IDS_Iamawriter, IDS_IamawriterHint, 0, 0, 0},
    {ClosePadsId, CheckBox, 7, 66, 128, 14, IDS_ClosePads, IDS_ClosePadsHint, 0, 0, 0},
    {AutoSaveId, CheckBox, 7, 81, 106, 14, IDS_AutoSave, IDS_AutoSaveHint, 0, 0, 0},
    {AutoTrimId, CheckBox, 7, 97, 177, 14, IDS_AutoTrim, IDS_AutoTrimHint, 0, 0, 0},
};

constexpr OptionControl FilesPage[] = {
    {NoOptionId, Label, 8, 4, 0, 13, IDS_SpecialLabel, 0, 0, 0, 0},
    {SpecialLeftId, ArrowBox, 131, 4, 10, 17, IDS_SpecialLeft, IDS_OtherSymbolHint, 0, 0, 0},
    {SpecialSymId, SymbolBox, 142, 4, 17, 17, IDS_SpecialSym, 0, 0, 0, 0},
    {SpecialRightId, ArrowBox, 160, 4, 10, 17, IDS_SpecialRight, IDS_OtherSymbolHint, 0, 0, 0},
    // Five lines of the form's font for the example, whose title and file name take lines of their own.
    {NoOptionId, WrappingLabel, 0, -121, 0, 51, IDS_SpecialNote, 0, 0, 0, 0},
    {NoOptionId, WrappingLabel, 0, -70, 0, 70, IDS_SpecialExample, 0, 0, 0, 0},
};

constexpr std::array<OptionPage, 4> Pages{{
    {IDS_Tab1, WorkPage},
    {IDS_Tab2, LookPage},
    {IDS_Tab3, EditorPage},
    {IDS_Tab4, FilesPage},
}};

} // namespace

std::span<const OptionPage> OptionPages()
{
    return Pages;
}
