// The triangle bonus, against a brute-force search over the label positions.

#include "core/Geometry.h"
#include "core/Tables.h"
#include "core/Tezzle.h"

#include <QTest>

#include <random>

using tezzle::NumberSet;
namespace g = tezzle::geometry;

Q_DECLARE_METATYPE(tezzle::NumberSet)

namespace {

// Every pair of covered hexagons around n, touching each other: the rule as a player would
// check it by hand.
int bruteForceBonus(int n, const NumberSet& covered) {
    auto touch = [](int a, int b) {
        return g::touches(g::labelPosition(a), g::labelPosition(b));
    };
    int result = 0;
    for (int i = 1; i <= 100; ++i)
        if (i != n && touch(i, n) && covered.test(i))
            for (int j = 1; j <= 100; ++j)
                if (j != i && j != n && touch(j, n) && touch(j, i) && covered.test(j))
                    result = 100;
    return tezzle::isPrime(n) ? 2 * result : result;
}

} // namespace

class TestTezzle : public QObject {
    Q_OBJECT

private slots:
    void namedBoards_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<NumberSet>("covered");
        QTest::addColumn<int>("bonus");
        QTest::newRow("33 between 25 and 32") << 33 << NumberSet::of({25, 32}) << 100;
        QTest::newRow("17 between 12 and 18, a prime") << 17 << NumberSet::of({12, 18}) << 200;
        QTest::newRow("two covered neighbours apart") << 33 << NumberSet::of({25, 34}) << 0;
        QTest::newRow("one covered neighbour") << 33 << NumberSet::of({25}) << 0;
        QTest::newRow("a prime with no triangle") << 29 << NumberSet::of({30}) << 0;
        QTest::newRow("several triangles still count once")
            << 50 << NumberSet::of({40, 41, 51, 60}) << 100;
        QTest::newRow("several on a prime count once, doubled")
            << 53 << NumberSet::of({43, 44, 62, 63}) << 200;
        QTest::newRow("corner 1 with 2 and 3") << 1 << NumberSet::of({2, 3}) << 100;
        QTest::newRow("corner 100 with 98 and 99") << 100 << NumberSet::of({98, 99}) << 100;
        QTest::newRow("edge 55 with 45 and 54") << 55 << NumberSet::of({45, 54}) << 100;
        QTest::newRow("a triangle elsewhere does not count") << 60 << NumberSet::of({1, 2, 3}) << 0;
        QTest::newRow("n already covered changes nothing")
            << 33 << NumberSet::of({25, 32, 33}) << 100;
        QTest::newRow("empty board") << 50 << NumberSet{} << 0;
    }

    void namedBoards() {
        QFETCH(int, n);
        QFETCH(NumberSet, covered);
        QFETCH(int, bonus);
        QCOMPARE(tezzle::checktezzle(n, covered), bonus);
        QCOMPARE(bruteForceBonus(n, covered), bonus);
    }

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
                QCOMPARE(tezzle::checktezzle(n, covered), bruteForceBonus(n, covered));
                NumberSet withN = covered;
                withN.set(n);
                QCOMPARE(tezzle::checktezzle(n, withN), tezzle::checktezzle(n, covered));
            }
        }
    }

    void numbersOffTheBoardEarnNothing() {
        NumberSet full;
        for (int n = 1; n <= 100; ++n)
            full.set(n);
        QCOMPARE(tezzle::checktezzle(0, full), 0);
        QCOMPARE(tezzle::checktezzle(101, full), 0);
        QCOMPARE(tezzle::checktezzle(-5, full), 0);
    }
};

QTEST_APPLESS_MAIN(TestTezzle)
#include "TestTezzle.moc"
