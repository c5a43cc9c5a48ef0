#include "lookup/SafeFileName.h"

#include "editing/TextEncoding.h"
#include "settings/SettingsSource.h"

#include <algorithm>

wchar_t SpecialSymbol(const SettingsSource& settings)
{
    const std::wstring setting = WideFromCp1251(settings.SpecialSym());
    const wchar_t symbol = setting.empty() ? L'\0' : setting.front();
    // A control character or a forbidden one would turn the artist's folder
    // into a wildcard pattern or an impossible name.
    if (symbol < 0x20 || ForbiddenFileNameCharacters.find(symbol) != std::wstring_view::npos)
        return L'_';
    return symbol;
}

std::wstring MakeSafeFileName(std::wstring_view text, const SettingsSource& settings)
{
    const wchar_t symbol = SpecialSymbol(settings);
    std::wstring safe(text);
    std::replace_if(
        safe.begin(), safe.end(),
        [](wchar_t c) { return ForbiddenFileNameCharacters.find(c) != std::wstring_view::npos; }, symbol);
    return safe;
}

std::wstring MakeSafeFolderName(std::wstring_view artist, const SettingsSource& settings)
{
    std::wstring safe = MakeSafeFileName(artist, settings);
    if (!safe.empty() && safe.find_first_not_of(L'.') == std::wstring::npos) {
        // Windows drops trailing spaces from a name, which would bring the
        // dots' meaning back.
        const wchar_t symbol = SpecialSymbol(settings);
        std::fill(safe.begin(), safe.end(), symbol == L' ' ? L'_' : symbol);
    }
    return safe;
}
