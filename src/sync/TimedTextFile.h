#pragma once

#include <string>
#include <string_view>

// The time-tagged twin of a text file: the same path with ".lrc" in place of
// its ".txt" (any letter case), taken first when it exists. Empty for a path
// that does not end in ".txt".
std::wstring TimedTextFileOf(std::wstring_view textFile);
