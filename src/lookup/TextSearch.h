#pragma once

#include "lookup/Ranking.h"

class SettingsSource;
struct NowPlayingSong;

// Appends to `candidates` the full path of every "*.txt" entry in the artist's
// folder (`TextsPath` + safe artist) and in its immediate, not hidden or system,
// subfolders whose name holds the song title, letter case aside. With no artist
// the texts folder itself is searched. Only when that finds nothing, the same
// folders are tried with the tolerant names of TolerantNames.h (and without
// accents, last), on the names the one walk met; and where the artist's folder
// is missing, the folders whose tolerant name is the artist's. Never clears the
// list, reports nothing.
void SearchTexts(const NowPlayingSong& song, const SettingsSource& settings, CandidateList& candidates);
