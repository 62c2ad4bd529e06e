#include "Reachable.h"

namespace tezzle {
namespace {

// The answers for all 126 distinct throws, worked out once with the same walks as searchChains
// and searchPairings (about two milliseconds), so that a throw in play costs a lookup.
struct ThrowTable {
    std::array<NumberSet, 126> chains{};
    std::array<NumberSet, 126> pairings{};
    std::array<std::uint8_t, 1296> rankOf{}; // any order of four dice -> its throw
};

int key(const Dice& dice) {
    return ((dice[0] - 1) * 6 + (dice[1] - 1)) * 6 * 6 + (dice[2] - 1) * 6 + (dice[3] - 1);
}

ThrowTable makeThrowTable() {
    ThrowTable t;
    int rank = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b)
            for (int c = b; c <= 6; ++c)
                for (int d = c; d <= 6; ++d) {
                    const Dice sorted{a, b, c, d};
                    t.chains[rank] = searchChains(sorted);
                    t.pairings[rank] = searchPairings(sorted);
                    ++rank;
                }
    for (int k = 0; k < 1296; ++k) {
        Dice dice{k / 216 + 1, k / 36 % 6 + 1, k / 6 % 6 + 1, k % 6 + 1};
        // A sorting network for four values.
        auto order = [&](int i, int j) {
            if (dice[i] > dice[j]) {
                const int v = dice[i];
                dice[i] = dice[j];
                dice[j] = v;
            }
        };
        order(0, 1);
        order(2, 3);
        order(0, 2);
        order(1, 3);
        order(1, 2);
        int r = 0;
        for (int a = 1; a <= 6; ++a)
            for (int b = a; b <= 6; ++b)
                for (int c = b; c <= 6; ++c)
                    for (int d = c; d <= 6; ++d) {
                        if (Dice{a, b, c, d} == dice)
                            t.rankOf[k] = static_cast<std::uint8_t>(r);
                        ++r;
                    }
    }
    return t;
}

const ThrowTable& throws() {
    static const ThrowTable table = makeThrowTable();
    return table;
}

} // namespace

void allowednumbers(const Dice& dice, NumberSet& allowed) {
    if (!validDice(dice)) {
        allowed = searchChains(dice);
        return;
    }
    const ThrowTable& t = throws();
    allowed = t.chains[t.rankOf[key(dice)]];
}

void allowednumbers2(const Dice& dice, NumberSet& allowed) {
    if (!validDice(dice)) {
        allowed |= searchPairings(dice);
        return;
    }
    const ThrowTable& t = throws();
    allowed |= t.pairings[t.rankOf[key(dice)]];
}

NumberSet reachableNumbers(const Dice& dice) {
    NumberSet allowed;
    allowednumbers(dice, allowed);
    allowednumbers2(dice, allowed);
    return allowed;
}

} // namespace tezzle
