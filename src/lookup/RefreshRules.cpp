#include "lookup/RefreshRules.h"

bool PlayerTitleChanged(std::wstring_view current, std::wstring_view lastPlayerTitle)
{
    return current.substr(0, lastPlayerTitle.size()) != lastPlayerTitle;
}

bool IsIdlePlayerTitle(std::wstring_view upperTitle)
{
    return upperTitle.starts_with(L"WINAMP");
}

std::wstring MissingTextPattern(std::wstring_view textsPath, std::wstring_view artist, std::wstring_view safeTitle)
{
    std::wstring pattern(textsPath);
    if (!pattern.ends_with(L'\\'))
        pattern += L'\\';
    return pattern.append(artist).append(L"\\*").append(safeTitle).append(L"*.txt");
}
