// Any bytes: read in any format that accepts them, and in the one detected,
// they are written back exactly.
#include "editing/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedText detected = DecodeText(bytes);
    if (EncodeText(detected.text, detected.format) != bytes)
        std::abort();
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        for (const TextFormat format : {Cp1251Format, TextFormat{encoding, false}, TextFormat{encoding, true}}) {
            const std::optional<std::u16string> text = DecodeText(bytes, format);
            if (text && EncodeText(*text, format) != bytes)
                std::abort();
        }
    }
    return 0;
}
