#include "editing/TextLines.h"

std::string WithCrLfLineBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    ForEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        result.append(line);
        if (!lineBreak.empty())
            result.append("\r\n");
    });
    return result;
}
