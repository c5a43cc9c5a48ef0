// Texts of saving, in the program's string table. Plain #defines, as the
// resource compiler reads this file too.
#pragma once

// The status texts that a refresh leaves when the player is missing or idle;
// saving refuses to write while one of them is shown.
#define IDS_PlayerNotRunning 3301
#define IDS_PlayerNotPlaying 3302

#define IDS_CannotCreateFolder 3311
#define IDS_CannotCreateFolderCaption 3312
#define IDS_CannotSave 3313
#define IDS_CannotSaveCaption 3314

// Saving a text in its file's own encoding.
#define IDS_SwitchToUtf8Question 3315
#define IDS_SwitchToUtf8Caption 3316
#define IDS_CharactersWouldBeLost 3317
