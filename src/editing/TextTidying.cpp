#include "editing/TextTidying.h"

#include "editing/TextLines.h"

#include <algorithm>

namespace {

std::size_t LeadingWhitespace(std::string_view text)
{
    std::size_t count = 0;
    while (count < text.size() && IsTrimmedByte(text[count]))
        ++count;
    return count;
}

std::size_t TrailingWhitespace(std::string_view text)
{
    std::size_t count = 0;
    while (count < text.size() && IsTrimmedByte(text[text.size() - 1 - count]))
        ++count;
    return count;
}

void AddCut(TextEdits& edits, std::size_t offset, std::size_t length)
{
    if (length > 0)
        edits.push_back({offset, length, {}});
}

} // namespace

std::string ApplyEdits(std::string_view text, const TextEdits& edits)
{
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (const TextEdit& edit : edits) {
        result.append(text.substr(copied, edit.offset - copied)).append(edit.replacement);
        copied = edit.offset + edit.length;
    }
    result.append(text.substr(copied));
    return result;
}

TextEdit MergedEdit(std::string_view text, const TextEdits& edits)
{
    const std::size_t begin = edits.front().offset;
    const std::size_t end = edits.back().offset + edits.back().length;
    TextEdits shifted = edits;
    for (TextEdit& edit : shifted)
        edit.offset -= begin;
    return {begin, end - begin, ApplyEdits(text.substr(begin, end - begin), shifted)};
}

TrimmedText TrimText(std::string_view text, std::size_t caret)
{
    TrimmedText result;
    const std::size_t leading = LeadingWhitespace(text);
    const std::size_t trailing = leading == text.size() ? 0 : TrailingWhitespace(text);
    AddCut(result.edits, 0, leading);

    const std::string_view inner = text.substr(leading, text.size() - leading - trailing);
    std::size_t lineStart = leading;
    ForEachLine(inner, [&](std::string_view line, std::string_view lineBreak) {
        const std::size_t front = LeadingWhitespace(line);
        const std::size_t back = front == line.size() ? 0 : TrailingWhitespace(line);
        AddCut(result.edits, lineStart, front);
        AddCut(result.edits, lineStart + line.size() - back, back);
        lineStart += line.size() + lineBreak.size();
    });
    AddCut(result.edits, text.size() - trailing, trailing);

    result.text = ApplyEdits(text, result.edits);
    result.caret = std::min(caret > leading ? caret - leading : 0, result.text.size());
    return result;
}

NormalisedText NormaliseText(std::string_view text, CaseConversion toUpper, CaseConversion toLower)
{
    // Two conversions for the whole text instead of two per line: the rest of
    // every line in one go, then all first characters gathered in one string.
    NormalisedText result{std::string(text), {}};
    toLower(result.text);

    std::string firsts;
    std::size_t lineStart = 0;
    ForEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        if (!line.empty())
            firsts += line.front();
        // Breaks as they were, whatever the conversion makes of control bytes.
        result.text.replace(lineStart + line.size(), lineBreak.size(), lineBreak);
        lineStart += line.size() + lineBreak.size();
    });
    toUpper(firsts);

    std::size_t next = 0;
    lineStart = 0;
    ForEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        if (!line.empty())
            result.text[lineStart] = firsts[next++];
        // One edit from the first to the last byte that changed in the line.
        std::size_t first = 0;
        while (first < line.size() && result.text[lineStart + first] == line[first])
            ++first;
        if (first < line.size()) {
            std::size_t end = line.size();
            while (result.text[lineStart + end - 1] == line[end - 1])
                --end;
            result.edits.push_back({lineStart + first, end - first, result.text.substr(lineStart + first, end - first)});
        }
        lineStart += line.size() + lineBreak.size();
    });
    return result;
}
