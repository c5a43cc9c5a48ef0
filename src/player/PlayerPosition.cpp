#include "player/PlayerPosition.h"

#include <cstdint>

namespace {

// Long enough for a busy player to answer, short enough that the refresh
// timer hardly notices one that does not.
constexpr UINT AnswerTimeoutMs = 100;

constexpr LPARAM QuestionVersion = 0;
constexpr LPARAM QuestionPlayback = 104;
constexpr LPARAM QuestionPosition = 105;
constexpr LPARAM QuestionJump = 106;

constexpr int AnswerPlaying = 1;
constexpr int AnswerPaused = 3;
constexpr int AnswerStopped = 0;

// The answer as the player's own 32-bit integer: a 32-bit player's -1 may
// reach a 64-bit program sign-extended or not.
std::optional<int> Ask(HWND player, LPARAM question, WPARAM data = 0)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(player, WM_USER, data, question, SMTO_ABORTIFHUNG | SMTO_BLOCK, AnswerTimeoutMs,
                             &answer))
        return std::nullopt;
    return static_cast<std::int32_t>(answer);
}

} // namespace

bool SpeaksPositionMessages(HWND player)
{
    const std::optional<int> version = Ask(player, QuestionVersion);
    if (!version)
        return false;
    const int generation = *version & ~0xFFF;
    return generation == 0x2000 || generation == 0x5000;
}

PlayerPlayback PlaybackOf(HWND player)
{
    switch (Ask(player, QuestionPlayback).value_or(-1)) {
    case AnswerPlaying: return PlayerPlayback::Playing;
    case AnswerPaused: return PlayerPlayback::Paused;
    case AnswerStopped: return PlayerPlayback::Stopped;
    default: return PlayerPlayback::Unknown;
    }
}

// Only -1 is documented; any other negative answer is no position either.
std::optional<int> PositionMsOf(HWND player)
{
    const std::optional<int> position = Ask(player, QuestionPosition);
    if (!position || *position < 0)
        return std::nullopt;
    return position;
}

bool JumpToPosition(HWND player, int ms)
{
    return Ask(player, QuestionJump, static_cast<WPARAM>(ms)).has_value();
}
