#include "lookup/SafeFileName.h"

#include "settings/SettingsSource.h"

#include <algorithm>

char SpecialSymbol(const SettingsSource& settings)
{
    const std::string setting = settings.SpecialSym();
    const char symbol = setting.empty() ? '\0' : setting.front();
    // A control character or a forbidden one would turn the artist's folder
    // into a wildcard pattern or an impossible name.
    if (static_cast<unsigned char>(symbol) < 0x20 || ForbiddenFileNameCharacters.find(symbol) != std::string_view::npos)
        return '_';
    return symbol;
}

std::string MakeSafeFileName(std::string_view text, const SettingsSource& settings)
{
    const char symbol = SpecialSymbol(settings);
    std::string safe(text);
    std::replace_if(
        safe.begin(), safe.end(),
        [](char c) { return ForbiddenFileNameCharacters.find(c) != std::string_view::npos; }, symbol);
    return safe;
}

std::string MakeSafeFolderName(std::string_view artist, const SettingsSource& settings)
{
    std::string safe = MakeSafeFileName(artist, settings);
    if (!safe.empty() && safe.find_first_not_of('.') == std::string::npos) {
        // Windows drops trailing spaces from a name, which would bring the
        // dots' meaning back.
        const char symbol = SpecialSymbol(settings);
        std::fill(safe.begin(), safe.end(), symbol == ' ' ? '_' : symbol);
    }
    return safe;
}
