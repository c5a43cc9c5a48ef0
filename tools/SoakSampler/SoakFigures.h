#pragma once

#include <cstdint>
#include <vector>

// One reading of the program's memory during a soak.
struct MemorySample {
    int second = 0; // since the soak began
    std::uint64_t privateBytes = 0;
    std::uint64_t workingSet = 0;
};

// How far the floor of each figure rose over a soak of `totalSeconds`.
// Private bytes swing by a megabyte with the song shown, so single samples
// say little; a leak shows as a rising floor. The floor of the last minute is
// compared with that of the second (the first holds the start-up's own
// growth); a soak shorter than three minutes compares the last third with the
// middle one instead. Negative when the floor fell; 0 when a span has no
// sample.
struct FloorGrowth {
    std::int64_t privateBytes = 0;
    std::int64_t workingSet = 0;
};
FloorGrowth GrowthOfFloors(const std::vector<MemorySample>& samples, int totalSeconds);
