#include "Working.h"

#include "ComputerPlayer.h"

namespace tezzle {

Suggestion bestFreeNumber(const NumberSet& allowed, const NumberSet& covered) {
    NumberSet free = allowed;
    covered.forEach([&](int n) { free.reset(n); });
    // The greedy computer weighs a move the same way, so the two never disagree.
    const int n = greedyChoice(free, covered);
    return n == 0 ? Suggestion{} : Suggestion{n, moveValue(n, covered)};
}

} // namespace tezzle
