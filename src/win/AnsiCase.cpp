#include "win/AnsiCase.h"

#include <windows.h>

#include <limits>

namespace {

template <typename Text, typename Convert>
void ConvertInPlace(Text& text, Convert convert)
{
    // The conversion takes a DWORD count; convert longer texts in pieces.
    constexpr std::size_t chunk = std::numeric_limits<DWORD>::max() / 2;
    for (std::size_t done = 0; done < text.size(); done += chunk) {
        const std::size_t count = std::min(chunk, text.size() - done);
        convert(text.data() + done, static_cast<DWORD>(count));
    }
}

} // namespace

void MakeUpperAnsi(std::string& text)
{
    ConvertInPlace(text, CharUpperBuffA);
}

void MakeLowerAnsi(std::string& text)
{
    ConvertInPlace(text, CharLowerBuffA);
}

void MakeUpperUnicode(std::u16string& text)
{
    ConvertInPlace(text, [](char16_t* characters, DWORD count) {
        CharUpperBuffW(reinterpret_cast<wchar_t*>(characters), count);
    });
}

void MakeLowerUnicode(std::u16string& text)
{
    ConvertInPlace(text, [](char16_t* characters, DWORD count) {
        CharLowerBuffW(reinterpret_cast<wchar_t*>(characters), count);
    });
}

void MakeUpperWide(std::wstring& text)
{
    ConvertInPlace(text, CharUpperBuffW);
}
