#pragma once

// Code page 1251 letter case for builds without the window system: Latin,
// the Cyrillic alphabet and Ё/ё, which is what the program's texts hold.
// The Windows builds use the system's own conversion instead.
#include <string>

namespace stand_in {

inline char Upper(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0)
        return static_cast<char>(byte - 0x20);
    if (byte == 0xB8)
        return static_cast<char>(0xA8);
    return c;
}

inline char Lower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF))
        return static_cast<char>(byte + 0x20);
    if (byte == 0xA8)
        return static_cast<char>(0xB8);
    return c;
}

inline void MakeUpper(std::string& text)
{
    for (char& c : text)
        c = Upper(c);
}

inline void MakeLower(std::string& text)
{
    for (char& c : text)
        c = Lower(c);
}

} // namespace stand_in
