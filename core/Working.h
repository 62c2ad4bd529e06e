#pragma once

#include "NumberSet.h"

namespace tezzle {

// What a throw could have made instead of a number it does not make: the free number it makes
// that is worth most if covered now (its zone's points and the triangle bonus), the lowest of
// equals. Number 0 when the throw makes no free number.
struct Suggestion {
    int number = 0;
    int points = 0;
    friend constexpr bool operator==(const Suggestion&, const Suggestion&) = default;
};

Suggestion bestFreeNumber(const NumberSet& allowed, const NumberSet& covered);

} // namespace tezzle
