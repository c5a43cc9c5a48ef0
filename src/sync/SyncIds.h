#pragma once

// The commands and texts of timed texts, in the program's menu and string
// table. Plain #defines, as the resource compiler reads them too.
#define ID_MenuSyncEarlier 1111
#define ID_MenuSyncLater 1112
#define ID_MenuSyncFollow 1113
#define ID_MenuSyncTags 1114
#define ID_MenuSyncTiming 1115
#define ID_MenuSyncMark 1116

// %s: the offset in seconds, signed, with a decimal comma.
#define IDS_SyncOffset 3601
