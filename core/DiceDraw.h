#pragma once

#include "Random.h"
#include "Reachable.h"

namespace tezzle {

// The draw of one throw, shared by the game and the rules pages' demonstration: each die is
// drawn 0 to 99 times; a die drawn no time keeps the value it had, and a die that has never
// had one shows 1.
inline void drawThrow(Dice& dice, RandomSource& random) {
    for (int& die : dice) {
        const int repeats = drawBelow(random, Draw::DieRepeats, 100);
        for (int k = 0; k < repeats; ++k)
            die = drawBelow(random, Draw::DieFace, 6) + 1;
        if (die == 0)
            die = 1;
    }
}

} // namespace tezzle
