#pragma once

#include "Reachable.h"

#include <array>
#include <string>

namespace tezzle {

// Writes a derivation as an expression over the dice values, with ASCII + - * / and only the
// parentheses it needs, for example "(2 + 3) * 4 + 6".
std::string formatDerivation(const Dice& dice, const Derivation& derivation);

// For every number 1 to 100 the throw makes, one expression that makes it (empty for the
// others). Among the many, the plainest is kept: no step through a fraction where a way in whole
// numbers exists, then fewest parentheses, fewest steps below zero, fewest divisions, fewest
// subtractions, then the dice nearest the order thrown. Walks the same expressions that
// decide which numbers are allowed.
std::array<std::string, 101> workedExamples(const Dice& dice);

} // namespace tezzle
