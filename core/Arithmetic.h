#pragma once

#include <cstdint>
#include <limits>

namespace tezzle {

// a mod n in 0 to n - 1, also for negative a (a move counter restored from a file may be).
constexpr int floorMod(int a, int n) {
    const int r = a % n;
    return r < 0 ? r + n : r;
}

// A multiple of 1, 2, 3 and 4 players' turns near the 16-bit limit.
inline constexpr int kTurnCounterStepBack = 32760;

// The game's whole numbers are 16 bits wide; sums stop at the ends instead of wrapping.
constexpr std::int16_t saturate16(int v) {
    constexpr int lo = std::numeric_limits<std::int16_t>::min();
    constexpr int hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

} // namespace tezzle
