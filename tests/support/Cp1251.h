#pragma once

#include <string>

// Text as the player and the file system hand it to the program under a
// Russian locale: code page 1251, converted from a wide literal by the system
// rather than spelled out byte by byte.
std::string InCodePage(const std::wstring& text, unsigned codePage);
inline std::string Cp1251(const std::wstring& text) { return InCodePage(text, 1251); }
std::wstring FromCodePage(const std::string& text, unsigned codePage);
inline std::wstring FromCp1251(const std::string& text) { return FromCodePage(text, 1251); }

// The same text as other programs save it: UTF-8 (code page 65001), and UTF-16 LE as it lies in memory.
inline std::string Utf8(const std::wstring& text) { return InCodePage(text, 65001); }
inline std::wstring FromUtf8(const std::string& text) { return FromCodePage(text, 65001); }
inline std::string Utf16Le(const std::wstring& text) { return {reinterpret_cast<const char*>(text.data()), text.size() * 2}; }
