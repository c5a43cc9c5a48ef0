// Identifiers shared by the resource script and the code: resources, the menu
// items of Menu1 and the buttons, each named after its control. Plain #defines,
// as the resource compiler reads this file too.
#pragma once

#define IDI_Sonvera 1
#define IDR_Menu1 100
#define IDR_MenuShortcuts 101

// Menu items of Menu1.
#define ID_KillKillKillDie 1001
#define ID_MenuRefresh 1101
#define ID_MenuClear 1102
#define ID_MenuNext 1103
#define ID_MenuSaveText 1104
#define ID_MenuTrim 1105
#define ID_MenuNorm 1106
#define ID_MenuFind 1107
#define ID_MenuWinampPlay 1201
#define ID_MenuWinampPause 1202
#define ID_MenuWinampStop 1203
#define ID_MenuWinampPrev 1204
#define ID_MenuWinampNext 1205
#define ID_MenuWinampPrev5s 1206
#define ID_MenuWinampNext5s 1207
#define ID_MenuWinampOpen 1208
#define ID_MenuWinampAdd 1209
#define ID_MenuWinampJump 1210
#define ID_MenuOptions 1301
#define ID_MenuArtistInfo 1401
#define ID_MenuSonveraInfo 1402

// Buttons of ToolBar1.
#define ID_ButtRefresh 2001
#define ID_ButtTrim 2002
#define ID_ButtNorm 2003
#define ID_ButtNext 2004
#define ID_ButtInfo 2005
#define ID_SaveText 2006
#define ID_ButtOptions 2007

// Buttons of WinampCtrlPanel.
#define ID_WinampPrev 2101
#define ID_WinampPlay 2102
#define ID_WinampNext 2103
#define ID_WinampPrev5s 2104
#define ID_WinampPause 2105
#define ID_WinampNext5s 2106
#define ID_WinampStop 2107
#define ID_WinampOpen 2108
#define ID_WinampJump 2109
#define ID_WinampAdd 2110
#define ID_Bevel1 2199

// Texts of the main window.
#define IDS_MainTitle 3001
#define IDS_ButtRefreshHint 3101
#define IDS_ButtTrimHint 3102
#define IDS_ButtNormHint 3103
#define IDS_ButtNextHint 3104
#define IDS_ButtInfoHint 3105
#define IDS_SaveTextHint 3106
#define IDS_ButtOptionsHint 3107
#define IDS_WinampPrevHint 3201
#define IDS_WinampPlayHint 3202
#define IDS_WinampNextHint 3203
#define IDS_WinampPrev5sHint 3204
#define IDS_WinampPauseHint 3205
#define IDS_WinampNext5sHint 3206
#define IDS_WinampStopHint 3207
#define IDS_WinampOpenHint 3208
#define IDS_WinampJumpHint 3209
#define IDS_WinampAddHint 3210
