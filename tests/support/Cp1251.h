#pragma once

#include <string>

// Text as the player and the file system hand it to the program under a
// Russian locale: code page 1251, converted from a wide literal by the system
// rather than spelled out byte by byte.
std::string Cp1251(const std::wstring& text);
std::wstring FromCp1251(const std::string& text);
