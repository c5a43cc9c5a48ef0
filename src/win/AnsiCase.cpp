#include "win/AnsiCase.h"

#include <windows.h>

#include <limits>

namespace {

template <typename Convert>
void ConvertInPlace(std::string& text, Convert convert)
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
