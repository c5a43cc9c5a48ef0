// Texts of the options window, in the program's string table. Plain #defines,
// as the resource compiler reads this file too. The block 3500-3599 is theirs.
#pragma once

#define IDS_OptionsCaption 3500
#define IDS_Tab1 3501
#define IDS_Tab2 3502
#define IDS_Tab3 3503
#define IDS_Tab4 3504
#define IDS_BrowseTitle 3505

#define IDS_TextsPathFrame 3510
#define IDS_BrowsePath 3511
#define IDS_RefreshOnTimer 3512
#define IDS_IntervalLabel 3513
#define IDS_SilentMode 3514
#define IDS_LengthIsWidth 3515
#define IDS_MinLabel 3516
#define IDS_MaxLabel 3517
/* The radio group's caption, then its two buttons. */
#define IDS_AmpVer 3518
#define IDS_AmpVer2 3519
#define IDS_AmpVer3 3520
#define IDS_UseAnTWidth 3521

#define IDS_ShowToolBar 3530
#define IDS_ShowStatusBar 3531
#define IDS_ShowAnT 3532
#define IDS_StayOnTop 3533
#define IDS_ControlWinamp 3534
#define IDS_ShowHints 3535
#define IDS_SizeLabel 3536
#define IDS_ColourLabel 3537
#define IDS_LabelLineLabel 3538

#define IDS_FontLabel 3540
#define IDS_OpenByShell 3541
#define IDS_Iamawriter 3542
#define IDS_ClosePads 3543
#define IDS_AutoSave 3544
#define IDS_AutoTrim 3545

#define IDS_SpecialLabel 3550
#define IDS_SpecialLeft 3551
#define IDS_SpecialSym 3552
#define IDS_SpecialRight 3553
#define IDS_SpecialNote 3554
#define IDS_SpecialExample 3555

#define IDS_RefreshOnTimerHint 3560
#define IDS_SilentModeHint 3561
#define IDS_LengthIsWidthHint 3562
#define IDS_MinMemoWidthHint 3563
#define IDS_MaxMemoWidthHint 3564
#define IDS_UseAnTWidthHint 3565
#define IDS_ShowToolBarHint 3566
#define IDS_ShowStatusBarHint 3567
#define IDS_ShowAnTHint 3568
#define IDS_StayOnTopHint 3569
#define IDS_ControlWinampHint 3570
#define IDS_ShowHintsHint 3571
#define IDS_FontBoxHint 3572
#define IDS_MemoFontSizeHint 3573
#define IDS_OpenByShellHint 3574
#define IDS_IamawriterHint 3575
#define IDS_ClosePadsHint 3576
#define IDS_AutoSaveHint 3577
#define IDS_AutoTrimHint 3578
#define IDS_OtherSymbolHint 3579
