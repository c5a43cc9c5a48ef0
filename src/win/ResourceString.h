#pragma once

#include <windows.h>

#include <string>

// A string of the string table, in the ANSI code page; empty when missing.
std::string LoadResourceString(HINSTANCE instance, UINT id);

// A string of the program's own string table.
std::string LoadResourceString(UINT id);

// The same as UTF-16, for messages that take a name of any characters.
std::wstring LoadUnicodeResourceString(UINT id);
