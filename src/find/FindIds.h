// Identifiers of the find window's resources. Plain #defines, as the resource
// compiler reads this file too.
#pragma once

#define IDD_Find 5001
#define IDC_FindQuery 5002
#define IDC_FindResults 5003
#define IDC_FindStatus 5004

#define IDS_FindQueryCue 5101
// %1: texts read; %2: texts to read, once the folder is listed.
#define IDS_FindReading 5102
#define IDS_FindReadingOf 5107
// %1: texts.
#define IDS_FindTexts 5103
// %1: texts found, %2: texts.
#define IDS_FindFound 5104
// %1: files that are no texts.
#define IDS_FindSkipped 5105
// %1: the texts folder.
#define IDS_FindNoFolder 5106
