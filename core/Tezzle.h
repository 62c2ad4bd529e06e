#pragma once

#include "NumberSet.h"

namespace tezzle {

inline constexpr int kTezzleBonus = 100;

// The triangle bonus of covering hexagon n now: 100 when n and two covered hexagons would touch
// one another pairwise, doubled on a prime; 0 otherwise. However many triangles one counter
// completes, the bonus counts once. Whether n itself is covered plays no part, nor do owners.
int checktezzle(int n, const NumberSet& covered);

} // namespace tezzle
