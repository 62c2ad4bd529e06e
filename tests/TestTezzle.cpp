// The triangle bonus, against a brute-force search over the label positions.

#include "core/Geometry.h"
#include "core/Tables.h"
#include "core/Tezzle.h"

#include <QTest>

#include <random>

using tezzle::NumberSet;
namespace g = tezzle::geometry;

namespace {

// Every pair of covered hexagons around n, touching each other: the rule as a player would
// check it by hand.
int bruteForceBonus(int n, const NumberSet& covered) {
    auto touch = [](int a, int b) {
        return g::touches(g::labelPosition(a), g::labelPosition(b));
    };
    int result = 0;
    for (int i = 1; i <= 100; ++i)
        if (i != n && covered.test(i) && touch(i, n))
            for (int j = 1; j <= 100; ++j)
                if (j != i && j != n && covered.test(j) && touch(j, n) && touch(j, i))
                    result = 100;
    return tezzle::isPrime(n) ? 2 * result : result;
}

} // namespace

class TestTezzle : public QObject {
    Q_OBJECT

private slots:
    // Several triangles count once; a prime doubles the bonus; off the board earns nothing.
    void namedBoards() {
        for (const auto& [n, covered, bonus] : {std::tuple{33, NumberSet::of({25, 32}), 100},
                                                {33, NumberSet::of({25, 34}), 0},
                                                {53, NumberSet::of({43, 44, 62, 63}), 200},
                                                {100, NumberSet::of({98, 99}), 100},
                                                {101, NumberSet::of({98, 99, 100}), 0},
                                                {0, NumberSet::of({1, 2, 3}), 0}})
            QCOMPARE(tezzle::checktezzle(n, covered), bonus);
    }

    // Whether n itself is already covered changes nothing.
    void agreesWithBruteForceOnRandomBoards() {
        std::mt19937 random(20261206);
        std::uniform_int_distribution<int> percent(0, 99);
        for (int round = 0; round < 400; ++round) {
            const int density = percent(random);
            NumberSet covered;
            for (int n = 1; n <= 100; ++n)
                if (percent(random) < density)
                    covered.set(n);
            for (int n = 1; n <= 100; ++n) {
                NumberSet withN = covered;
                withN.set(n);
                QCOMPARE(tezzle::checktezzle(n, covered), bruteForceBonus(n, covered));
                QCOMPARE(tezzle::checktezzle(n, withN), bruteForceBonus(n, covered));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTezzle)
#include "TestTezzle.moc"
