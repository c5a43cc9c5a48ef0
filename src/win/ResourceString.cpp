#include "win/ResourceString.h"

#include <iterator>

std::string LoadResourceString(HINSTANCE instance, UINT id)
{
    char buffer[512];
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string LoadResourceString(UINT id)
{
    return LoadResourceString(GetModuleHandleA(nullptr), id);
}

std::wstring LoadUnicodeResourceString(UINT id)
{
    wchar_t buffer[512];
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, buffer, static_cast<int>(std::size(buffer)));
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length)) : std::wstring();
}
