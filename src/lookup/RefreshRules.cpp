#include "lookup/RefreshRules.h"

bool PlayerTitleChanged(std::string_view current, std::string_view lastPlayerTitle)
{
    return current.substr(0, lastPlayerTitle.size()) != lastPlayerTitle;
}

bool IsIdlePlayerTitle(std::string_view upperTitle)
{
    return upperTitle.starts_with("WINAMP");
}

std::string MissingTextPattern(std::string_view textsPath, std::string_view artist, std::string_view safeTitle)
{
    std::string pattern(textsPath);
    if (!pattern.ends_with('\\'))
        pattern += '\\';
    return pattern.append(artist).append("\\*").append(safeTitle).append("*.txt");
}
