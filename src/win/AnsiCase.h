#pragma once

#include <string>

// Letter case through the system's ANSI mapping for the user's locale, so that
// Cyrillic letters of code page 1251 (ё included) convert as well as Latin ones.
void MakeUpperAnsi(std::string& text);
void MakeLowerAnsi(std::string& text);

// The same for UTF-16 text, which may hold letters code page 1251 lacks.
void MakeUpperUnicode(std::u16string& text);
void MakeLowerUnicode(std::u16string& text);
void MakeUpperWide(std::wstring& text);
