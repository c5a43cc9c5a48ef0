// Any text, unpaired surrogates and letters outside code page 1251 included,
// and any special-symbol setting: the safe form keeps the length and holds no
// character that a file name cannot hold.
#include "editing/TextEncoding.h"
#include "lookup/SafeFileName.h"
#include "settings/Settings.h"
#include "FuzzUnits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Any text as the special symbol, whatever the settings' own rules allow.
struct AnySymbol : Settings {
    std::string symbol;
    std::string SpecialSym() const override { return symbol; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    AnySymbol settings;
    const std::size_t symbolLength = data[0] % 3;
    if (size < 1 + symbolLength)
        return 0;
    // The setting itself is code page 1251 bytes.
    settings.symbol.assign(reinterpret_cast<const char*>(data + 1), symbolLength);
    const std::wstring text =
        UnitsOf(std::string_view(reinterpret_cast<const char*>(data + 1 + symbolLength), size - 1 - symbolLength));

    const std::wstring safe = MakeSafeFileName(text, settings);
    if (safe.size() != text.size())
        std::abort();
    for (std::size_t i = 0; i < safe.size(); ++i) {
        if (ForbiddenFileNameCharacters.find(safe[i]) != std::wstring_view::npos)
            std::abort();
        if (ForbiddenFileNameCharacters.find(text[i]) == std::wstring_view::npos && safe[i] != text[i])
            std::abort();
    }
    return 0;
}
