#pragma once

#include "lookup/Ranking.h"

class SettingsSource;
struct NowPlayingSong;

// Appends to `candidates` the full path of every "*.txt" entry in the artist's
// folder (`TextsPath` + safe artist) and in its immediate, not hidden or system,
// subfolders whose name holds the song title, letter case aside. With no artist
// the texts folder itself is searched. Never clears the list, reports nothing.
void SearchTexts(const NowPlayingSong& song, const SettingsSource& settings, CandidateList& candidates);
