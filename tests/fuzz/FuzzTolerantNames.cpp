// Any UTF-16 text, unpaired surrogates and NULs included: a tolerant name is
// settled after one pass and never empty, dropping accents is settled too,
// and a name always finds itself.
#include "lookup/SafeFileName.h"
#include "lookup/TolerantNames.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::wstring name;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        name.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));

    const std::wstring tolerant = TolerantName(name);
    if (TolerantName(tolerant) != tolerant)
        std::abort();
    if (!name.empty() && tolerant.empty())
        std::abort();
    for (const wchar_t c : tolerant)
        if (c == L'_' || (c < 0x80 && ForbiddenFileNameCharacters.find(static_cast<char>(c)) != std::string_view::npos))
            std::abort();

    const std::wstring plain = WithoutAccents(tolerant);
    if (WithoutAccents(plain) != plain || WithoutAccents(WithoutAccents(name)) != WithoutAccents(name))
        std::abort();

    const TolerantTitle itself(name);
    if (!TolerantTitleMatches(name, itself) || !AccentFreeTitleMatches(name, itself))
        std::abort();
    // Dropping accents only ever finds more.
    const TolerantTitle tail(std::wstring_view(name).substr(name.size() / 2));
    if (TolerantTitleMatches(name, tail) && !AccentFreeTitleMatches(name, tail))
        std::abort();
    return 0;
}
