#pragma once

#include "NumberSet.h"
#include "Random.h"

namespace tezzle {

// What a number is worth if covered now: its zone's points plus the triangle bonus.
int moveValue(int n, const NumberSet& covered);

// The candidate worth most now; among equal values the lowest number. 0 without candidates.
int greedyChoice(const NumberSet& candidates, const NumberSet& covered);

// Any candidate, each equally likely: numbers 1 to 100 are drawn until one is a candidate.
// 0 without candidates.
int randomChoice(const NumberSet& candidates, RandomSource& random);

// The computer's number for this throw. Candidates are the free numbers the throw makes.
// Level 1 plays at random, level 3 greedily, level 2 draws one of the two for every move;
// levels outside 1 to 3 play as the nearest level.
int chooseNumber(int level, const NumberSet& candidates, const NumberSet& covered,
                 RandomSource& random);

} // namespace tezzle
