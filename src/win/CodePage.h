#pragma once

#include <string>
#include <string_view>

// Text in the ANSI code page (the string table's, the font list's, the C
// library's messages) as UTF-16, and back; a character the code page lacks
// comes back as the system's stand-in.
std::wstring WideFromAnsi(std::string_view text);
std::string AnsiFromWide(std::wstring_view text);
