#include "Tezzle.h"

#include "Geometry.h"
#include "Tables.h"

namespace tezzle {

int checktezzle(int n, const NumberSet& covered) {
    if (n < kFirstNumber || n > kLastNumber)
        return 0;
    const NumberSet& around = geometry::neighbours(n);
    const NumberSet coveredAround = around & covered;
    bool triangle = false;
    // A triangle needs two covered neighbours of n that are neighbours of each other.
    coveredAround.forEach([&](int i) {
        if ((geometry::neighbours(i) & coveredAround).any())
            triangle = true;
    });
    if (!triangle)
        return 0;
    return isPrime(n) ? 2 * kTezzleBonus : kTezzleBonus;
}

} // namespace tezzle
