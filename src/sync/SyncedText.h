#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts whose lines carry time tags ("[01:02.35]"), so that the line being
// sung can be shown as the song plays. Everything here is a plain function of
// UTF-16 text; no window and no file is touched.

// A word tag inside a line ("<01:02.35>"): where the word starts in the line
// as shown, and when it is sung.
struct SyncedWord {
    std::size_t at = 0;
    int ms = 0;
};

// One line of the text, in the order of the text.
struct SyncedLine {
    // The line with every time tag and word tag taken out; empty for a header line.
    std::u16string shown;
    // The line's own time tags, in the order written; empty for a line that
    // is kept in place but never highlighted.
    std::vector<int> times;
    std::vector<SyncedWord> words;
    // A line of nothing but a header tag ("[ar:Artist]", "[offset:+200]"):
    // it is not shown.
    bool header = false;
};

struct SyncedText {
    std::vector<SyncedLine> lines;
    // The "[offset:]" header's milliseconds; positive shows every line sooner.
    int offsetMs = 0;
    // What it was parsed from, line by line with each line's own break, so
    // that writing it back gives the same text.
    std::vector<std::u16string> sourceLines;
};

// The text's time tags: `text` with its line breaks (CR LF, LF or CR). A tag
// is "[mm:ss]", "[mm:ss.x]", "[mm:ss.xx]" or "[mm:ss.xxx]" (minutes of one or
// more digits), several may open one line. Nothing when fewer than two lines
// carry a time tag: the text is then a plain one.
std::optional<SyncedText> ParseSyncedText(std::u16string_view text);

// The text as parsed from, with "[offset:]" set to `offsetMs`: the header
// line changed in place, or added as the first line when there was none
// (nothing added for 0 when there was none). Of an unchanged offset, exactly
// the text it was parsed from.
std::u16string WrittenText(const SyncedText& text, int offsetMs);

// The text as shown while it is followed: the shown lines, header lines left
// out, joined by "\r" (as the text area keeps a line break), and for each
// shown line the index of its line in `lines`.
struct ShownSyncedText {
    std::u16string text;
    std::vector<std::size_t> lineOf;
};
ShownSyncedText ShownTextOf(const SyncedText& text);

// Every time tag of every line as a point of the song, sorted by time (lines
// of equal times in text order).
struct Cue {
    int ms = 0;
    std::size_t line = 0;
};
std::vector<Cue> CuesOf(const SyncedText& text);

// The line being sung at `positionMs` of the song: the last cue at or before
// the position, the offset taken into account (a positive offset shows lines
// sooner). Nothing before the first cue.
std::optional<std::size_t> LineAt(const std::vector<Cue>& cues, int positionMs, int offsetMs);

// How long after `positionMs` what is sung next changes: the next cue of
// the text, or the next word of `line` (the line being sung, when there is
// one), the offset taken into account; nothing when no cue or word lies ahead.
std::optional<int> MsToNextChange(const std::vector<Cue>& cues, const SyncedLine* line, int positionMs, int offsetMs);

// The song position at which `line` is first sung, the offset taken into
// account (what the player is asked to jump to); nothing for an untimed line.
std::optional<int> JumpTargetOf(const SyncedText& text, std::size_t line, int offsetMs);

// The word of `line` being sung at `positionMs`: an index into its `words`;
// nothing before its first word or for a line without word tags.
std::optional<std::size_t> WordAt(const SyncedLine& line, int positionMs, int offsetMs);

// The text as parsed from with the words of each line (what follows its
// time tags) put through `tidy`; header lines, tags and line breaks as they
// were.
std::u16string TidiedWords(const SyncedText& text, const std::function<std::u16string(std::u16string_view)>& tidy);

// "[mm:ss.xx]" for a time in milliseconds (hundredths rounded down; below
// zero counts as zero).
std::u16string TimeTagOf(int ms);

// Timing a plain text by hand: `text` (with its line breaks) with the tag of
// `ms` put at the start of the first line, counted from `fromLine`, that is
// neither blank nor already timed nor a header; the line it went to. Nothing
// when no such line is left.
struct MarkedLine {
    std::u16string text;
    std::size_t line = 0;
};
std::optional<MarkedLine> MarkNextLine(std::u16string_view text, std::size_t fromLine, int ms);
