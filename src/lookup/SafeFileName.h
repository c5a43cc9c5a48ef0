#pragma once

#include <string>
#include <string_view>

class SettingsSource;

// The characters that a file name cannot hold.
inline constexpr std::wstring_view ForbiddenFileNameCharacters = L":*/\\<>?|\"";

// The character that stands in for forbidden ones: the first character of the
// `SpecialSym` setting, read now. A setting that is empty, or whose character
// could itself not stand in a name, falls back to "_".
wchar_t SpecialSymbol(const SettingsSource& settings);

// `text` with every forbidden character replaced by the special symbol; the
// result has the same length.
std::wstring MakeSafeFileName(std::wstring_view text, const SettingsSource& settings);

// The name of an artist's folder: `MakeSafeFileName`, and a name of nothing
// but dots ("." or "..") has each dot made safe too, so that no artist leads
// out of the texts folder. Empty stays empty.
std::wstring MakeSafeFolderName(std::wstring_view artist, const SettingsSource& settings);
