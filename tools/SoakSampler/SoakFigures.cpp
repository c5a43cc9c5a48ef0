#include "SoakFigures.h"

#include <algorithm>
#include <limits>

namespace {

struct Floors {
    std::uint64_t privateBytes = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t workingSet = std::numeric_limits<std::uint64_t>::max();
    bool empty = true;
};

// The lowest readings taken after `from` seconds, up to and including `to`.
Floors FloorsBetween(const std::vector<MemorySample>& samples, int from, int to)
{
    Floors floors;
    for (const MemorySample& sample : samples) {
        if (sample.second <= from || sample.second > to)
            continue;
        floors.privateBytes = std::min(floors.privateBytes, sample.privateBytes);
        floors.workingSet = std::min(floors.workingSet, sample.workingSet);
        floors.empty = false;
    }
    return floors;
}

} // namespace

FloorGrowth GrowthOfFloors(const std::vector<MemorySample>& samples, int totalSeconds)
{
    constexpr int Minute = 60;
    const bool byMinutes = totalSeconds >= 3 * Minute;
    const int third = totalSeconds / 3;
    const Floors before = byMinutes ? FloorsBetween(samples, Minute, 2 * Minute)
                                    : FloorsBetween(samples, third, totalSeconds - third);
    const Floors after = byMinutes ? FloorsBetween(samples, totalSeconds - Minute, totalSeconds)
                                   : FloorsBetween(samples, totalSeconds - third, totalSeconds);
    if (before.empty || after.empty)
        return {};
    return {static_cast<std::int64_t>(after.privateBytes) - static_cast<std::int64_t>(before.privateBytes),
            static_cast<std::int64_t>(after.workingSet) - static_cast<std::int64_t>(before.workingSet)};
}
