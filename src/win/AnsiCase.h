#pragma once

#include <string>

// Letter case through the system's ANSI mapping for the user's locale, so that
// Cyrillic letters of code page 1251 (ё included) convert as well as Latin ones.
void MakeUpperAnsi(std::string& text);
void MakeLowerAnsi(std::string& text);
