#pragma once

#include "editing/TextEncoding.h"

#include <algorithm>
#include <string>
#include <string_view>

// The bytes as UTF-16 units: a byte is its code page 1251 character, so that
// the corpus reads as it was written, and the byte 0x98, which code page 1251
// leaves unused, takes the two bytes after it as one unit, high byte first.
inline std::wstring UnitsOf(std::string_view bytes)
{
    std::wstring units;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t escape = std::min(bytes.find('\x98', at), bytes.size());
        units += WideFromCp1251(bytes.substr(at, escape - at));
        if (bytes.size() - escape > 2)
            units += static_cast<wchar_t>(static_cast<unsigned char>(bytes[escape + 1]) << 8 |
                                          static_cast<unsigned char>(bytes[escape + 2]));
        at = escape + 3;
    }
    return units;
}
