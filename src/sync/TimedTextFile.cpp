#include "sync/TimedTextFile.h"

#include <algorithm>

std::wstring TimedTextFileOf(std::wstring_view textFile)
{
    constexpr std::wstring_view Extension = L".txt";
    if (textFile.size() < Extension.size())
        return {};
    const std::wstring_view ending = textFile.substr(textFile.size() - Extension.size());
    // ASCII letters only: the extension never holds others.
    const bool isText = std::equal(ending.begin(), ending.end(), Extension.begin(), [](wchar_t a, wchar_t b) {
        return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == b;
    });
    return isText ? std::wstring(textFile.substr(0, textFile.size() - Extension.size())) + L".lrc" : std::wstring();
}
