// Any bytes: read in any format that accepts them, and in the one detected,
// they are written back exactly.
#include "editing/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedText detected = DecodeText(bytes);
    Check(EncodeText(detected.text, detected.format) == bytes);
    for (const TextEncoding encoding :
         {TextEncoding::Cp1251, TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        for (const bool mark : {false, true}) {
            const TextFormat format{encoding, mark && encoding != TextEncoding::Cp1251};
            const std::optional<std::u16string> text = DecodeText(bytes, format);
            if (!text)
                continue;
            Check(EncodeText(*text, format) == bytes);
        }
    }
    return 0;
}
