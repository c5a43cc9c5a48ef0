// Texts of the refresh, in the program's string table. Plain #defines, as the
// resource compiler reads this file too.
#pragma once

#define IDS_TextModifiedQuestion 3401
#define IDS_AttentionCaption 3402
#define IDS_NoTextMessage 3403
#define IDS_NoTextCaption 3404
