// Any UTF-16 text: a time-tagged one is written back unit for unit, its shown
// lines, cues and words agree with its lines, and another offset written in
// reads back as that offset. Marking a line only ever adds one tag.
#include "editing/TextLines.h"
#include "sync/SyncedText.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool HasTime(const SyncedLine& line, int ms)
{
    return std::find(line.times.begin(), line.times.end(), ms) != line.times.end();
}

void CheckMarking(std::u16string_view text, std::size_t fromLine, int ms)
{
    const std::optional<MarkedLine> marked = MarkNextLine(text, fromLine, ms);
    if (!marked)
        return;
    Check(marked->line >= fromLine);
    const std::u16string tag = TimeTagOf(ms);
    std::size_t index = 0;
    std::size_t lineStart = 0;
    ForEachLine(std::u16string_view(marked->text), [&](std::u16string_view line, std::u16string_view lineBreak) {
        if (index++ == marked->line) {
            Check(line.substr(0, tag.size()) == tag);
            Check(std::u16string(marked->text).erase(lineStart, tag.size()) == text);
        }
        lineStart += line.size() + lineBreak.size();
    });
    Check(index > marked->line);
}

void CheckParsed(const SyncedText& parsed, std::u16string_view text)
{
    Check(WrittenText(parsed, parsed.offsetMs) == text);
    Check(parsed.lines.size() == parsed.sourceLines.size());

    const ShownSyncedText shown = ShownTextOf(parsed);
    for (std::size_t i = 0; i < shown.lineOf.size(); ++i) {
        Check(shown.lineOf[i] < parsed.lines.size() && !parsed.lines[shown.lineOf[i]].header);
        Check(i == 0 || shown.lineOf[i] > shown.lineOf[i - 1]);
    }
    const auto headers =
        std::count_if(parsed.lines.begin(), parsed.lines.end(), [](const SyncedLine& line) { return line.header; });
    Check(shown.lineOf.size() == parsed.lines.size() - static_cast<std::size_t>(headers));
    Check(std::count(shown.text.begin(), shown.text.end(), u'\r') + 1 == static_cast<std::ptrdiff_t>(shown.lineOf.size()));

    const std::vector<Cue> cues = CuesOf(parsed);
    std::size_t timedLines = 0;
    std::size_t times = 0;
    for (const SyncedLine& line : parsed.lines) {
        timedLines += line.times.empty() ? 0 : 1;
        times += line.times.size();
        Check(!line.header || (line.shown.empty() && line.times.empty()));
        for (std::size_t word = 0; word < line.words.size(); ++word) {
            Check(line.words[word].at <= line.shown.size());
            const std::optional<std::size_t> sung = WordAt(line, line.words[word].ms, 0);
            Check(sung && line.words[*sung].ms == line.words[word].ms);
        }
    }
    Check(timedLines >= 2 && cues.size() == times);
    Check(std::is_sorted(cues.begin(), cues.end(), [](const Cue& a, const Cue& b) { return a.ms < b.ms; }));
    Check(!LineAt(cues, cues.front().ms - 1, 0));
    for (const Cue& cue : cues) {
        Check(cue.line < parsed.lines.size() && HasTime(parsed.lines[cue.line], cue.ms));
        const std::optional<std::size_t> line = LineAt(cues, cue.ms, 0);
        Check(line && HasTime(parsed.lines[*line], cue.ms) && LineAt(cues, cue.ms - 200, 200) == line);
        const std::vector<int>& ownTimes = parsed.lines[cue.line].times;
        const int first = *std::min_element(ownTimes.begin(), ownTimes.end());
        const std::optional<int> target = JumpTargetOf(parsed, cue.line, -300);
        Check(target && *target >= first);
        if (first <= INT_MAX - 300) {
            const std::optional<std::size_t> jumpedTo = LineAt(cues, *target, -300);
            Check(jumpedTo && HasTime(parsed.lines[*jumpedTo], first));
        }
    }

    for (const int offsetMs : {0, 250, -1234, parsed.offsetMs + 1, INT_MIN, INT_MAX}) {
        const std::u16string written = WrittenText(parsed, offsetMs);
        const std::optional<SyncedText> again = ParseSyncedText(written);
        Check(again && again->offsetMs == offsetMs && ShownTextOf(*again).text == shown.text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

    if (const std::optional<SyncedText> parsed = ParseSyncedText(text))
        CheckParsed(*parsed, text);

    const int ms =
        size >= 4 ? static_cast<int>(data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned>(data[3]) << 24) : 0;
    CheckMarking(text, size > 0 ? data[size - 1] % 8 : 0, ms);
    const std::optional<SyncedText> tagged = ParseSyncedText(TimeTagOf(ms) + u"a\n" + TimeTagOf(ms) + u"b");
    Check(tagged && tagged->lines[0].times == std::vector<int>{std::max(ms, 0) / 10 * 10});
    return 0;
}
