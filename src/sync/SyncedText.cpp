#include "sync/SyncedText.h"

#include "editing/TextLines.h"

#include <algorithm>
#include <climits>

namespace {

// Enough for any song; more minute digits than this is not a tag, and what
// is left above the int range is clamped.
constexpr std::size_t MaxMinuteDigits = 5;

constexpr std::u16string_view OffsetName = u"offset";

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// A byte-order mark read as text is left at the start of the first line.
bool IsIndent(char16_t c)
{
    return IsBlank(c) || c == u'\uFEFF';
}

std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && IsIndent(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t DigitCount(std::u16string_view text, std::size_t from)
{
    std::size_t count = 0;
    while (from + count < text.size() && IsDigit(text[from + count]))
        ++count;
    return count;
}

// Only ever given as many digits as a long long holds.
long long ValueOf(std::u16string_view digits)
{
    long long value = 0;
    for (const char16_t c : digits)
        value = value * 10 + (c - u'0');
    return value;
}

struct TagTime {
    int ms = 0;
    std::size_t length = 0;
};

// A "[mm:ss.xx]" opening `text` (or "<mm:ss.xx>" for a word), the fraction
// in tenths, hundredths or thousandths or left out.
std::optional<TagTime> TagTimeAt(std::u16string_view text, char16_t open, char16_t close)
{
    if (text.empty() || text[0] != open)
        return std::nullopt;
    std::size_t at = 1;
    const std::size_t minuteDigits = DigitCount(text, at);
    if (minuteDigits == 0 || minuteDigits > MaxMinuteDigits)
        return std::nullopt;
    const long long minutes = ValueOf(text.substr(at, minuteDigits));
    at += minuteDigits;
    if (at >= text.size() || text[at] != u':' || DigitCount(text, at + 1) != 2)
        return std::nullopt;
    const long long seconds = ValueOf(text.substr(at + 1, 2));
    if (seconds > 59)
        return std::nullopt;
    at += 3;
    long long fraction = 0;
    if (at < text.size() && text[at] == u'.') {
        const std::size_t fractionDigits = DigitCount(text, at + 1);
        if (fractionDigits == 0 || fractionDigits > 3)
            return std::nullopt;
        fraction = ValueOf(text.substr(at + 1, fractionDigits));
        for (std::size_t scale = fractionDigits; scale < 3; ++scale)
            fraction *= 10;
        at += 1 + fractionDigits;
    }
    if (at >= text.size() || text[at] != close)
        return std::nullopt;
    const long long ms = minutes * 60000 + seconds * 1000 + fraction;
    return TagTime{static_cast<int>(std::min<long long>(ms, INT_MAX)), at + 1};
}

// The line after the time tags that open it, their times added to `times`;
// the whole line when it has none.
std::u16string_view AfterTimeTags(std::u16string_view line, std::vector<int>& times)
{
    std::u16string_view rest = line;
    while (!rest.empty() && IsIndent(rest.front()))
        rest.remove_prefix(1);
    const std::size_t timesBefore = times.size();
    while (const std::optional<TagTime> tag = TagTimeAt(rest, u'[', u']')) {
        times.push_back(tag->ms);
        rest.remove_prefix(tag->length);
    }
    return times.size() > timesBefore ? rest : line;
}

bool IsTimed(std::u16string_view line)
{
    std::vector<int> times;
    AfterTimeTags(line, times);
    return !times.empty();
}

struct HeaderTag {
    std::u16string_view name;
    std::u16string_view value;
};

// A line of nothing but "[name:value]", the name of letters.
std::optional<HeaderTag> HeaderTagOf(std::u16string_view line)
{
    line = Trimmed(line);
    if (line.size() < 3 || line.front() != u'[' || line.back() != u']')
        return std::nullopt;
    std::size_t colon = 1;
    while (colon < line.size() && IsAsciiLetter(line[colon]))
        ++colon;
    if (colon == 1 || colon + 1 >= line.size() || line[colon] != u':')
        return std::nullopt;
    return HeaderTag{line.substr(1, colon - 1), line.substr(colon + 1, line.size() - colon - 2)};
}

bool IsOffsetHeader(const HeaderTag& tag)
{
    return std::equal(tag.name.begin(), tag.name.end(), OffsetName.begin(), OffsetName.end(),
        [](char16_t c, char16_t lower) { return (c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c) == lower; });
}

// "+200", "-150" or "300"; nothing for a value that is not a whole number of
// milliseconds in the int range.
std::optional<int> OffsetValueOf(std::u16string_view value)
{
    value = Trimmed(value);
    bool negative = false;
    if (!value.empty() && (value.front() == u'+' || value.front() == u'-')) {
        negative = value.front() == u'-';
        value.remove_prefix(1);
    }
    if (value.empty() || value.size() > 10 || DigitCount(value, 0) != value.size())
        return std::nullopt;
    const long long ms = negative ? -ValueOf(value) : ValueOf(value);
    if (ms < INT_MIN || ms > INT_MAX)
        return std::nullopt;
    return static_cast<int>(ms);
}

std::u16string_view WithoutLineBreak(std::u16string_view line)
{
    while (!line.empty() && (line.back() == u'\r' || line.back() == u'\n'))
        line.remove_suffix(1);
    return line;
}

void AppendNumber(std::u16string& text, long long value, std::size_t minimumDigits)
{
    std::u16string digits;
    do {
        digits.push_back(static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0 || digits.size() < minimumDigits);
    text.append(digits.rbegin(), digits.rend());
}

std::u16string OffsetHeaderOf(int offsetMs)
{
    std::u16string header = u"[offset:";
    if (offsetMs != 0)
        header.push_back(offsetMs > 0 ? u'+' : u'-');
    AppendNumber(header, offsetMs < 0 ? -static_cast<long long>(offsetMs) : offsetMs, 1);
    header.push_back(u']');
    return header;
}

SyncedLine LineOf(std::u16string_view line)
{
    SyncedLine parsed;
    const std::u16string_view rest = AfterTimeTags(line, parsed.times);
    parsed.shown.reserve(rest.size());
    for (std::size_t at = 0; at < rest.size();) {
        const std::size_t tag = std::min(rest.find(u'<', at), rest.size());
        parsed.shown.append(rest.substr(at, tag - at));
        at = tag;
        if (at == rest.size())
            break;
        if (const std::optional<TagTime> word = TagTimeAt(rest.substr(at), u'<', u'>')) {
            parsed.words.push_back({parsed.shown.size(), word->ms});
            at += word->length;
        } else {
            parsed.shown.push_back(rest[at++]);
        }
    }
    // "<01:02.35> word" puts the tag before the space; the word starts after it.
    for (SyncedWord& word : parsed.words)
        while (word.at < parsed.shown.size() && IsBlank(parsed.shown[word.at]))
            ++word.at;
    return parsed;
}

// The song is looked at as if it were `offsetMs` further on.
long long Shifted(int positionMs, int offsetMs)
{
    return static_cast<long long>(positionMs) + offsetMs;
}

} // namespace

std::optional<SyncedText> ParseSyncedText(std::u16string_view text)
{
    SyncedText parsed;
    bool offsetFound = false;
    std::size_t timedLines = 0;
    ForEachLine(text, [&](std::u16string_view line, std::u16string_view lineBreak) {
        // The empty "line" after a final break is no line of the text.
        if (line.empty() && lineBreak.empty())
            return;
        parsed.sourceLines.push_back(std::u16string(line).append(lineBreak));
        if (const std::optional<HeaderTag> header = HeaderTagOf(line)) {
            SyncedLine& added = parsed.lines.emplace_back();
            added.header = true;
            // The first "[offset:]" is the one a new offset is written into;
            // a value that is no number is kept as written and counts as 0.
            if (IsOffsetHeader(*header) && !offsetFound) {
                offsetFound = true;
                parsed.offsetMs = OffsetValueOf(header->value).value_or(0);
            }
            return;
        }
        parsed.lines.push_back(LineOf(line));
        if (!parsed.lines.back().times.empty())
            ++timedLines;
    });
    if (timedLines < 2)
        return std::nullopt;
    return parsed;
}

std::u16string WrittenText(const SyncedText& text, int offsetMs)
{
    std::u16string written;
    bool offsetWritten = offsetMs == text.offsetMs;
    for (const std::u16string& sourceLine : text.sourceLines) {
        if (!offsetWritten) {
            const std::u16string_view line = WithoutLineBreak(sourceLine);
            const std::optional<HeaderTag> header = HeaderTagOf(line);
            if (header && IsOffsetHeader(*header)) {
                offsetWritten = true;
                written.append(OffsetHeaderOf(offsetMs)).append(std::u16string_view(sourceLine).substr(line.size()));
                continue;
            }
        }
        written.append(sourceLine);
    }
    if (offsetWritten || offsetMs == 0)
        return written;
    std::u16string_view lineBreak = u"\r\n";
    if (!text.sourceLines.empty()) {
        const std::u16string_view first = text.sourceLines.front();
        if (const std::size_t length = WithoutLineBreak(first).size(); length < first.size())
            lineBreak = first.substr(length);
    }
    return OffsetHeaderOf(offsetMs).append(lineBreak).append(written);
}

ShownSyncedText ShownTextOf(const SyncedText& text)
{
    ShownSyncedText shown;
    for (std::size_t line = 0; line < text.lines.size(); ++line) {
        if (text.lines[line].header)
            continue;
        if (!shown.lineOf.empty())
            shown.text.push_back(u'\r');
        shown.text.append(text.lines[line].shown);
        shown.lineOf.push_back(line);
    }
    return shown;
}

std::vector<Cue> CuesOf(const SyncedText& text)
{
    std::vector<Cue> cues;
    for (std::size_t line = 0; line < text.lines.size(); ++line)
        for (const int ms : text.lines[line].times)
            cues.push_back({ms, line});
    std::stable_sort(cues.begin(), cues.end(), [](const Cue& a, const Cue& b) { return a.ms < b.ms; });
    return cues;
}

std::optional<std::size_t> LineAt(const std::vector<Cue>& cues, int positionMs, int offsetMs)
{
    const long long position = Shifted(positionMs, offsetMs);
    const auto after = std::upper_bound(
        cues.begin(), cues.end(), position, [](long long at, const Cue& cue) { return at < cue.ms; });
    if (after == cues.begin())
        return std::nullopt;
    return std::prev(after)->line;
}

std::optional<int> MsToNextChange(const std::vector<Cue>& cues, const SyncedLine* line, int positionMs, int offsetMs)
{
    const long long position = Shifted(positionMs, offsetMs);
    const auto after = std::upper_bound(
        cues.begin(), cues.end(), position, [](long long at, const Cue& cue) { return at < cue.ms; });
    std::optional<long long> next;
    if (after != cues.end())
        next = after->ms;
    if (line)
        for (const SyncedWord& word : line->words)
            if (word.ms > position && (!next || word.ms < *next))
                next = word.ms;
    if (!next)
        return std::nullopt;
    return static_cast<int>(std::min<long long>(*next - position, INT_MAX));
}

std::optional<int> JumpTargetOf(const SyncedText& text, std::size_t line, int offsetMs)
{
    if (line >= text.lines.size() || text.lines[line].times.empty())
        return std::nullopt;
    const std::vector<int>& times = text.lines[line].times;
    const long long target = static_cast<long long>(*std::min_element(times.begin(), times.end())) - offsetMs;
    return static_cast<int>(std::clamp<long long>(target, 0, INT_MAX));
}

std::optional<std::size_t> WordAt(const SyncedLine& line, int positionMs, int offsetMs)
{
    // Words are few and not always written in time order.
    const long long position = Shifted(positionMs, offsetMs);
    std::optional<std::size_t> sung;
    for (std::size_t word = 0; word < line.words.size(); ++word)
        if (line.words[word].ms <= position && (!sung || line.words[word].ms >= line.words[*sung].ms))
            sung = word;
    return sung;
}

std::u16string TimeTagOf(int ms)
{
    const long long time = std::max(ms, 0);
    std::u16string tag = u"[";
    AppendNumber(tag, time / 60000, 2);
    tag.push_back(u':');
    AppendNumber(tag, time / 1000 % 60, 2);
    tag.push_back(u'.');
    AppendNumber(tag, time / 10 % 100, 2);
    tag.push_back(u']');
    return tag;
}

std::optional<MarkedLine> MarkNextLine(std::u16string_view text, std::size_t fromLine, int ms)
{
    std::size_t index = 0;
    std::size_t lineStart = 0;
    std::optional<MarkedLine> marked;
    ForEachLine(text, [&](std::u16string_view line, std::u16string_view lineBreak) {
        if (!marked && index >= fromLine && !Trimmed(line).empty() && !IsTimed(line) && !HeaderTagOf(line)) {
            std::u16string result(text);
            result.insert(lineStart, TimeTagOf(ms));
            marked = MarkedLine{std::move(result), index};
        }
        ++index;
        lineStart += line.size() + lineBreak.size();
    });
    return marked;
}

std::u16string TidiedWords(const SyncedText& text, const std::function<std::u16string(std::u16string_view)>& tidy)
{
    std::u16string tidied;
    for (std::size_t index = 0; index < text.sourceLines.size(); ++index) {
        const std::u16string_view source = text.sourceLines[index];
        const std::u16string_view line = WithoutLineBreak(source);
        if (text.lines[index].header) {
            tidied.append(source);
            continue;
        }
        std::vector<int> times;
        const std::u16string_view words = AfterTimeTags(line, times);
        tidied.append(line.substr(0, line.size() - words.size()));
        tidied.append(tidy(words));
        tidied.append(source.substr(line.size()));
    }
    return tidied;
}
