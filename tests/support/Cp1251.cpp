#include "support/Cp1251.h"

#include <windows.h>

namespace {

std::string Converted(UINT codePage, const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace

std::string Cp1251(const std::wstring& text)
{
    return Converted(1251, text);
}

std::string Utf8(const std::wstring& text)
{
    return Converted(CP_UTF8, text);
}

std::string Utf16Le(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::wstring FromCp1251(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}
