#pragma once

#include <string>

// Text as the player and the file system hand it to the program under a
// Russian locale: code page 1251, converted from a wide literal by the system
// rather than spelled out byte by byte.
std::string Cp1251(const std::wstring& text);
std::wstring FromCp1251(const std::string& text);

// The same text as other programs save it: UTF-8 from the system's converter,
// UTF-16 LE as it lies in memory.
std::string Utf8(const std::wstring& text);
std::string Utf16Le(const std::wstring& text);
