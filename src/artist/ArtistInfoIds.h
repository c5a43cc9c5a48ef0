#ifndef SONVERA_ARTIST_INFO_IDS_H
#define SONVERA_ARTIST_INFO_IDS_H

/* Resource and control identifiers of the artist info panel. Read by the
   resource compiler too, so plain defines only. They share the floating
   panels' block 4100-4199 with the about panel. */

#define IDS_ARTIST_INFO_CAPTION 4115
#define IDS_INFOR_MEMO_HINT 4116
#define IDS_INFO_SWITCH_TO_UTF8 4117
#define IDS_INFO_CHARACTERS_WOULD_BE_LOST 4118

#define IDM_ARTIST_INFO_POPUP 4120
#define IDM_INFOR_MEMO_REFRESH 4121
#define IDM_INFOR_MEMO_SAVE 4122
#define IDM_INFOR_MEMO_CLOSE 4123

#define IDC_INFOR_MEMO 4135

#endif
