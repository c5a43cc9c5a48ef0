#include "editing/TextLines.h"

namespace {

template <typename Char>
std::basic_string<Char> CrLfLineBreaks(std::basic_string_view<Char> text)
{
    static constexpr Char CrLf[] = {'\r', '\n', '\0'};
    std::basic_string<Char> result;
    result.reserve(text.size() + text.size() / 16);
    ForEachLineOf(text, [&](std::basic_string_view<Char> line, std::basic_string_view<Char> lineBreak) {
        result.append(line);
        if (!lineBreak.empty())
            result.append(CrLf);
    });
    return result;
}

} // namespace

std::string WithCrLfLineBreaks(std::string_view text)
{
    return CrLfLineBreaks(text);
}

std::u16string WithCrLfLineBreaks(std::u16string_view text)
{
    return CrLfLineBreaks(text);
}
