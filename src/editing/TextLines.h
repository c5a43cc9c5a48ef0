#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Calls `onLine(line, lineBreak)` for every line of `text`, first to last. A
// line ends at CR, LF or CR LF; `lineBreak` is the break that ended it, empty
// for the last line. So a text has one line more than it has breaks, and an
// empty text is one empty line. Code page 1251 and UTF-16 texts alike.
template <typename Char, typename OnLine>
void ForEachLineOf(std::basic_string_view<Char> text, OnLine&& onLine)
{
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const Char c = text[at];
        if (c != '\r' && c != '\n')
            continue;
        const std::size_t breakLength = c == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        onLine(text.substr(start, at - start), text.substr(at, breakLength));
        at += breakLength - 1;
        start = at + 1;
    }
    onLine(text.substr(start), std::basic_string_view<Char>());
}

template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine)
{
    ForEachLineOf(text, onLine);
}

template <typename OnLine>
void ForEachLine(std::u16string_view text, OnLine&& onLine)
{
    ForEachLineOf(text, onLine);
}

// `text` with every line break (CR, LF or CR LF) made CR LF.
std::string WithCrLfLineBreaks(std::string_view text);
std::u16string WithCrLfLineBreaks(std::u16string_view text);
