#pragma once

#include "GameState.h"
#include "Random.h"
#include "Reachable.h"
#include "Timers.h"

#include <array>

namespace tezzle {

// The draw of one throw, shared by the game and the rules pages' demonstration: each die is
// drawn 0 to 99 times; a die drawn no time keeps the value it had, and a die that has never
// had one shows 1.
inline void drawThrow(Dice& dice, RandomSource& random) {
    for (int& die : dice) {
        const int repeats = drawBelow(random, Draw::DieRepeats, 100);
        for (int k = 0; k < repeats; ++k)
            die = drawBelow(random, Draw::DieFace, kDieFaces) + 1;
        if (die == 0)
            die = 1;
    }
}

// How a throw shows, shared as well: the faces start to roll after a first wait (longer with
// sound, while the cup rattles), then the dice settle one by one.
void startReveal(Timers& timers, bool sound);

// The next die settles on its thrown face, 250 ms after the one before. True once all four have,
// and the reveal is over.
bool revealNextDie(Timers& timers, std::array<DieBox, 4>& boxes, int& shown, const Dice& dice);

// The dice not yet settled show random faces, as fast as the timer allows after its first wait.
void rollUnsettledDice(Timers& timers, std::array<DieBox, 4>& boxes, int shown,
                       RandomSource& random);

} // namespace tezzle
