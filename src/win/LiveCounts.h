#pragma once

#include <atomic>

// How many handles, GDI objects and windows the program's own owners hold at
// the moment: `UniqueHandle` counts what it owns and the shared window
// procedure the windows attached to our window objects. The system's own
// counters are not to be had everywhere (Wine reports none), and these show
// what the program itself leaves behind.
enum class LiveKind { Handle, GdiObject };

struct LiveCounts {
    long handles = 0;
    long gdiObjects = 0;
    long windows = 0;

    friend bool operator==(const LiveCounts&, const LiveCounts&) = default;
};

namespace live_counts {

inline std::atomic<long> handles{0};
inline std::atomic<long> gdiObjects{0};
inline std::atomic<long> windows{0};

inline void Count(LiveKind kind, long change) noexcept
{
    (kind == LiveKind::GdiObject ? gdiObjects : handles) += change;
}

} // namespace live_counts

inline LiveCounts CurrentLiveCounts() noexcept
{
    return {live_counts::handles.load(), live_counts::gdiObjects.load(), live_counts::windows.load()};
}
