#pragma once

#include <set>
#include <string>

// The installed screen fonts' names, without the faces for vertical writing.
std::set<std::string> ScreenFontNames();

// The installed face of that name whatever its letter case, as the system
// spells it; "Default" (the system's user-interface font) as it is; nothing
// when no such face is installed. Asking for one face is much quicker than
// listing them all.
std::string InstalledFontName(const std::string& name);
