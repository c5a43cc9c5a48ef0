#include "sync/SyncFollower.h"

#include "editing/TextArea.h"
#include "editing/TextLines.h"
#include "editing/TextTidying.h"
#include "lookup/SongSession.h"
#include "player/PlayerPosition.h"
#include "sync/SyncIds.h"
#include "win/AnsiCase.h"
#include "win/ResourceString.h"

#include <algorithm>
#include <cstdlib>

namespace {

// While the player plays, the position is read when the next line or word
// is due (a little after, so that it has begun), and at least this often,
// so that a jump made in the player is caught.
constexpr unsigned LongestLookMs = 1000;
constexpr unsigned ShortestLookMs = 10;
constexpr unsigned PastTheChangeMs = 5;
// Paused or stopped, only the state is asked, this often.
constexpr unsigned WaitPeriodMs = 1000;
// Line changes the following leaves the view alone after a scroll by hand.
constexpr int LineChangesPausedByScrolling = 2;

using Look = TextArea::Look;

// "+0,2", "-1,4", "0": tenths of a second with a decimal comma.
std::wstring SecondsOf(int ms)
{
    const int tenths = std::abs(ms) / 100;
    std::wstring text = ms > 0 ? L"+" : ms < 0 ? L"-" : L"";
    text += std::to_wstring(tenths / 10);
    if (tenths % 10)
        text += L"," + std::to_wstring(tenths % 10);
    return text;
}

// Where line `line` of the area's text starts (its end when it has fewer).
std::size_t StartOfLine(std::u16string_view text, std::size_t line)
{
    std::size_t at = 0;
    for (std::size_t passed = 0; passed < line && at < text.size(); ++at)
        if (text[at] == u'\r')
            ++passed;
    return at;
}

// Where `column` of a line's words lies in the area's tagged text: past the
// line's leading tags, at most at its end.
std::size_t CaretInTaggedLine(std::u16string_view text, std::size_t line, std::size_t column)
{
    std::size_t at = StartOfLine(text, line);
    const std::size_t end = std::min(text.find(u'\r', at), text.size());
    while (at < end && text[at] == u'[') {
        const std::size_t close = text.find(u']', at);
        if (close == std::u16string_view::npos || close >= end)
            break;
        at = close + 1;
    }
    return std::min(at + column, end);
}

} // namespace

bool SyncFollower::Take(std::u16string_view text)
{
    std::optional<SyncedText> synced = ParseSyncedText(text);
    if (!synced)
        return false;
    session_.SyncedOffsetMs = synced->offsetMs;
    session_.Synced = std::move(synced);
    session_.SyncedTagsShown = false;
    ShowFollowed();
    area_.SetModified(false);
    return true;
}

void SyncFollower::Forget()
{
    if (Followed() || timing_)
        area_.EnableLooks(false);
    area_.SetReadOnly(false);
    session_.Synced.reset();
    session_.SyncedTagsShown = false;
    timing_ = false;
    current_.reset();
    word_.reset();
}

bool SyncFollower::TagsShown() const
{
    return session_.SyncedTagsShown;
}

bool SyncFollower::Followed() const
{
    return session_.Synced && !session_.SyncedTagsShown;
}

bool SyncFollower::Tidy(bool normalise)
{
    if (!Followed())
        return false;
    const std::u16string tidied = TidiedWords(*session_.Synced, [normalise](std::u16string_view words) {
        return normalise ? NormaliseText(words, MakeUpperUnicode, MakeLowerUnicode).text : TrimText(words, 0).text;
    });
    std::optional<SyncedText> synced = ParseSyncedText(tidied);
    if (!synced || synced->sourceLines == session_.Synced->sourceLines)
        return true;
    session_.Synced = std::move(synced);
    ShowFollowed();
    area_.SetModified(true);
    ShowLine(LineAt(cues_, positionMs_, session_.SyncedOffsetMs), positionMs_, true);
    return true;
}

void SyncFollower::ShowFollowed()
{
    shown_ = ShownTextOf(*session_.Synced);
    cues_ = CuesOf(*session_.Synced);
    starts_.assign(1, 0);
    for (std::size_t at = 0; at < shown_.text.size(); ++at)
        if (shown_.text[at] == u'\r')
            starts_.push_back(at + 1);
    current_.reset();
    word_.reset();
    pausedFor_ = 0;
    const bool modified = area_.Modified();
    area_.EnableLooks(true);
    area_.SetUnicodeText(shown_.text);
    area_.SetModified(modified);
    area_.SetReadOnly(true);
    // Where the view stands is taken at the first line change: the caller
    // may still move the caret, and the view with it.
    viewTop_.reset();
}

bool SyncFollower::Speaks(HWND player)
{
    if (player != askedPlayer_) {
        askedPlayer_ = player;
        speaks_ = player && SpeaksPositionMessages(player);
    }
    return speaks_;
}

unsigned SyncFollower::PeriodNow(HWND player)
{
    if (!Followed() || !player || !IsWindow(player) || !Speaks(player))
        return 0;
    lastPositionMs_.reset();
    return PlaybackOf(player) == PlayerPlayback::Playing ? ShortestLookMs : WaitPeriodMs;
}

unsigned SyncFollower::Follow(HWND player)
{
    if (!Followed() || !player || !Speaks(player))
        return 0;
    // A look asks only the position; the state only when the position has
    // not moved since the last look, to rest while the player pauses.
    const std::optional<int> position = PositionMsOf(player);
    if (!position || (position == lastPositionMs_ && PlaybackOf(player) != PlayerPlayback::Playing)) {
        lastPositionMs_.reset();
        return WaitPeriodMs;
    }
    lastPositionMs_ = position;
    positionMs_ = *position;
    const std::optional<std::size_t> line = LineAt(cues_, positionMs_, session_.SyncedOffsetMs);
    ShowLine(line, positionMs_, false);
    const std::optional<int> wait =
        MsToNextChange(cues_, line ? &session_.Synced->lines[*line] : nullptr, positionMs_, session_.SyncedOffsetMs);
    return wait ? std::clamp(static_cast<unsigned>(*wait) + PastTheChangeMs, ShortestLookMs, LongestLookMs)
                : LongestLookMs;
}

std::size_t SyncFollower::ShownIndexOf(std::size_t line) const
{
    const auto found = std::lower_bound(shown_.lineOf.begin(), shown_.lineOf.end(), line);
    return static_cast<std::size_t>(found - shown_.lineOf.begin());
}

std::size_t SyncFollower::LineStart(std::size_t shownIndex) const
{
    return shownIndex < starts_.size() ? starts_[shownIndex] : shown_.text.size();
}

std::size_t SyncFollower::LineEnd(std::size_t shownIndex) const
{
    return shownIndex + 1 < starts_.size() ? starts_[shownIndex + 1] - 1 : shown_.text.size();
}

std::size_t SyncFollower::CurrentLooks(std::size_t shownLine, std::size_t line, std::optional<std::size_t> word,
                                       TextArea::LookedRange* looks) const
{
    looks[0] = {LineStart(shownLine), LineEnd(shownLine), Look::Current};
    if (!word)
        return 1;
    const auto& words = session_.Synced->lines[line].words;
    const std::size_t from = LineStart(shownLine) + words[*word].at;
    const std::size_t to = *word + 1 < words.size() ? LineStart(shownLine) + words[*word + 1].at : LineEnd(shownLine);
    looks[1] = {from, to, Look::CurrentWord};
    return 2;
}

void SyncFollower::ShowLooksAgain()
{
    if (!Followed() || !current_ || *current_ >= shown_.lineOf.size())
        return;
    TextArea::LookedRange looks[2]{};
    area_.SetLooks(std::span(looks, CurrentLooks(*current_, shown_.lineOf[*current_], word_, looks)));
}

void SyncFollower::ShowLine(std::optional<std::size_t> line, int positionMs, bool force)
{
    const std::optional<std::size_t> shown =
        line ? std::optional<std::size_t>(ShownIndexOf(*line)) : std::nullopt;
    std::optional<std::size_t> word;
    if (line)
        word = WordAt(session_.Synced->lines[*line], positionMs, session_.SyncedOffsetMs);
    if (shown == current_ && word == word_ && !force)
        return;

    const bool lineChanged = shown != current_;
    // Only what changed, at once: the lines between the old and the new
    // current one, the new one, its word.
    const std::size_t oldLine = current_.value_or(0);
    const std::size_t newLine = shown.value_or(0);
    TextArea::LookedRange changes[3]{};
    std::size_t count = 0;
    if (current_ && (!shown || newLine < oldLine))
        changes[count++] = {shown ? LineEnd(newLine) : 0, LineEnd(oldLine), Look::Plain};
    else if (current_ && newLine > oldLine)
        changes[count++] = {LineStart(oldLine), LineStart(newLine), Look::Sung};
    else if (!current_ && shown)
        // Followed from the middle of the song: what came before is sung too.
        changes[count++] = {0, LineStart(newLine), Look::Sung};
    if (shown)
        count += CurrentLooks(newLine, *line, word, changes + count);
    area_.SetLooks(std::span(changes, count));
    current_ = shown;
    word_ = word;
    if (!lineChanged || !shown)
        return;

    // A view the user moved is left alone until the line has changed twice.
    if (viewTop_ && area_.ViewTop() != *viewTop_)
        pausedFor_ = LineChangesPausedByScrolling;
    if (pausedFor_ > 0) {
        --pausedFor_;
    } else {
        area_.KeepInView(LineStart(newLine));
    }
    viewTop_ = area_.ViewTop();
}

std::wstring SyncFollower::Nudge(int ms)
{
    if (!session_.Synced)
        return {};
    session_.SyncedOffsetMs += ms;
    area_.SetModified(true);
    if (Followed())
        ShowLine(LineAt(cues_, positionMs_, session_.SyncedOffsetMs), positionMs_, false);
    std::wstring report = LoadUnicodeResourceString(IDS_SyncOffset);
    const std::size_t slot = report.find(L"%s");
    if (slot != std::wstring::npos)
        report.replace(slot, 2, SecondsOf(session_.SyncedOffsetMs));
    return report;
}

void SyncFollower::JumpToLineAt(std::size_t character, HWND player)
{
    if (!Followed() || !player)
        return;
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), character);
    const auto shownIndex = static_cast<std::size_t>(after - starts_.begin()) - 1;
    if (shownIndex >= shown_.lineOf.size())
        return;
    if (const std::optional<int> target =
            JumpTargetOf(*session_.Synced, shown_.lineOf[shownIndex], session_.SyncedOffsetMs))
        JumpToPosition(player, *target);
}

void SyncFollower::Resume()
{
    pausedFor_ = 0;
    if (Followed() && current_) {
        area_.ScrollToCharacter(LineStart(*current_));
        viewTop_ = area_.ViewTop();
    }
}

void SyncFollower::ShowTags(bool shown)
{
    if (!session_.Synced || shown == session_.SyncedTagsShown)
        return;
    const bool modified = area_.Modified();
    if (shown) {
        // The caret stays on its line, where it was in the words after the tags.
        const std::size_t caret = area_.Caret();
        const auto after = std::upper_bound(starts_.begin(), starts_.end(), caret);
        const std::size_t shownIndex = static_cast<std::size_t>(after - starts_.begin()) - 1;
        const std::u16string text = WrittenText(*session_.Synced, session_.SyncedOffsetMs);
        area_.EnableLooks(false);
        area_.SetUnicodeText(text);
        area_.SetReadOnly(false);
        area_.SetModified(modified);
        session_.SyncedTagsShown = true;
        if (shownIndex < shown_.lineOf.size()) {
            // An offset line put at the top moves every line down by one.
            const std::optional<SyncedText> written = ParseSyncedText(text);
            const std::size_t added = written ? written->lines.size() - session_.Synced->lines.size() : 0;
            area_.MoveCaret(CaretInTaggedLine(area_.Text(), shown_.lineOf[shownIndex] + added,
                                              caret - starts_[shownIndex]));
        }
        return;
    }
    // The text as edited is followed again when it is still a timed one.
    std::optional<SyncedText> edited = ParseSyncedText(WithCrLfLineBreaks(area_.Text()));
    if (!edited)
        return;
    session_.SyncedOffsetMs = edited->offsetMs;
    session_.Synced = std::move(edited);
    session_.SyncedTagsShown = false;
    ShowFollowed();
    area_.SetModified(modified);
    ShowLine(LineAt(cues_, positionMs_, session_.SyncedOffsetMs), positionMs_, true);
}

void SyncFollower::StartTiming()
{
    if (session_.Synced)
        return;
    timing_ = true;
    nextUntimed_ = 0;
    const bool modified = area_.Modified();
    const std::u16string text = area_.Text();
    const std::optional<MarkedLine> first = MarkNextLine(text, 0, 0);
    ShowTimingText(text, first ? std::optional<std::size_t>(first->line) : std::nullopt);
    area_.SetModified(modified);
}

void SyncFollower::StopTiming()
{
    if (!timing_)
        return;
    timing_ = false;
    const std::u16string text = area_.Text();
    area_.EnableLooks(false);
    area_.SetUnicodeText(text);
    area_.SetModified(true);
}

bool SyncFollower::MarkLine(HWND player, int reactionMs)
{
    if (!timing_ || !player)
        return false;
    const std::optional<int> position = PositionMsOf(player);
    if (!position)
        return false;
    const std::optional<MarkedLine> marked =
        MarkNextLine(area_.Text(), nextUntimed_, std::max(0, *position - reactionMs));
    if (!marked)
        return false;
    nextUntimed_ = marked->line + 1;
    const std::optional<MarkedLine> next = MarkNextLine(marked->text, nextUntimed_, 0);
    ShowTimingText(marked->text, next ? std::optional<std::size_t>(next->line) : std::nullopt);
    area_.SetModified(true);
    return true;
}

void SyncFollower::ShowTimingText(const std::u16string& text, std::optional<std::size_t> next)
{
    area_.EnableLooks(true);
    area_.SetUnicodeText(text);
    if (!next)
        return;
    const std::size_t start = StartOfLine(text, *next);
    const TextArea::LookedRange line{start, std::min(text.find(u'\r', start), text.size()), Look::Current};
    area_.SetLooks(std::span(&line, 1));
    area_.ScrollToCharacter(start);
}
