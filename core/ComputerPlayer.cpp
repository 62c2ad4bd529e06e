#include "ComputerPlayer.h"

#include "Tables.h"
#include "Tezzle.h"

namespace tezzle {

int moveValue(int n, const NumberSet& covered) {
    return zoneOf(n).points + checktezzle(n, covered);
}

int greedyChoice(const NumberSet& candidates, const NumberSet& covered) {
    int best = 0;
    int choice = 0;
    candidates.forEach([&](int n) {
        if (n < kFirstNumber || n > kLastNumber)
            return;
        const int value = moveValue(n, covered);
        if (value > best) {
            best = value;
            choice = n;
        }
    });
    return choice;
}

int randomChoice(const NumberSet& candidates, RandomSource& random) {
    bool any = false;
    candidates.forEach([&](int n) { any = any || (n >= kFirstNumber && n <= kLastNumber); });
    if (!any)
        return 0;
    for (;;) {
        const int n = drawOneTo(random, Draw::ComputerNumber, 100);
        if (candidates.test(n))
            return n;
    }
}

int chooseNumber(int level, const NumberSet& candidates, const NumberSet& covered,
                 RandomSource& random) {
    int strategy = level <= 1 ? 1 : 3;
    if (level == 2)
        strategy = 2 * drawBelow(random, Draw::Strategy, 2) + 1;
    return strategy == 1 ? randomChoice(candidates, random) : greedyChoice(candidates, covered);
}

} // namespace tezzle
