#ifndef SONVERA_PANEL_RESOURCES_H
#define SONVERA_PANEL_RESOURCES_H

/* Resource and control identifiers of the about panel. Read by the resource
   compiler too, so plain defines only. The block 4100-4199 belongs to the
   floating panels; the artist info panel's are in artist/ArtistInfoIds.h. */

#define IDR_ABOUT_PICTURE 4100
#define IDR_ABOUT_PROGRAM 4101
#define IDR_ABOUT_HISTORY 4102
#define IDR_ABOUT_THANKS 4103

#define IDS_ABOUT_CAPTION 4110
#define IDS_ABOUT_TAB_ME 4111
#define IDS_ABOUT_TAB_SONVERA 4112
#define IDS_ABOUT_TAB_VERSION 4113
#define IDS_ABOUT_TAB_THANKS 4114

#define IDC_ABOUT_TABS 4130
#define IDC_ABOUT_PICTURE 4131
#define IDC_ABOUT_PROGRAM 4132
#define IDC_ABOUT_HISTORY 4133
#define IDC_ABOUT_THANKS 4134

#endif
