// The board: where the hexagons stand, which touch, and the rules that read it, the triangle bonus
// and the end-of-game path, each against a plain search of its own.

#include "core/Geometry.h"
#include "core/PathSearch.h"
#include "core/Tables.h"
#include "core/Tezzle.h"
#include "ui/Colours.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

using tezzle::ConnArray;
using tezzle::NumberSet;
using tezzle::PathSearch;
namespace g = tezzle::geometry;

namespace {

bool prime(int n) {
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n > 1;
}

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
    return prime(n) ? 2 * result : result;
}

// The list the game keeps: covered numbers in the order they were covered, then a 0.
struct Covered {
    std::array<std::int16_t, 101> cells{};
    int next = 1;
    explicit Covered(const QList<int>& numbers) {
        for (int n : numbers)
            cells[next++ - 1] = static_cast<std::int16_t>(n);
    }
};

// Spreads from hexagon 1 over covered hexagons by the board's own neighbour test.
bool floodFill(const QList<int>& numbers) {
    std::array<bool, 101> covered{}, reached{};
    for (int n : numbers)
        covered[n] = true;
    std::vector<int> todo{1};
    reached[1] = covered[1];
    while (reached[1] && !todo.empty()) {
        const int n = todo.back();
        todo.pop_back();
        g::neighbours(n).forEach([&](int m) {
            if (covered[m] && !reached[m]) {
                reached[m] = true;
                todo.push_back(m);
            }
        });
    }
    return reached[100];
}

bool pathFound(const QList<int>& numbers, const ConnArray& table = tezzle::gridConnArray(),
               int next = 0) {
    const Covered c(numbers);
    PathSearch search;
    search.findPath(table, c.cells, next != 0 ? next : c.next);
    return search.pathFound;
}

} // namespace

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    // Numbers run along the diagonals from 1 at the bottom left to 100 at the top right:
    // quoted to the tenth of a twip, a label stands on its hexagon, and hexagon 100's stays
    // centred when its label grows. Primes show black, the others very light grey.
    void numbersAndPositions() {
        const double quoted[][3]{{1, 240.0, 7473.0},
                                 {55, 7582.2, 7473.0},
                                 {46, 3911.1, 1114.5},
                                 {50, 5542.7, 3940.5},
                                 {100, 11253.3, 1114.5}};
        for (const auto& [n, left, top] : quoted) {
            const g::Point p = g::labelPosition(int(n));
            QVERIFY2(std::abs(p.x - left) < 0.1 && std::abs(p.y - top) < 0.1,
                     qPrintable(QString("%1: %2 %3").arg(n).arg(p.x).arg(p.y)));
        }
        for (int n = 1; n <= 100; ++n) {
            const g::Point label = g::labelPosition(n), centre = g::hexagonCentre(n);
            QVERIFY(std::abs(label.x + 0.5 * g::labelSize - centre.x) < 1e-9);
            QVERIFY(std::abs(label.y + 0.4 * g::labelSize - centre.y) < 1e-9);
            QCOMPARE(g::numberAt(g::cellOf(n).column, g::cellOf(n).row), n);
            QCOMPARE(tezzle::numberColour(n),
                     prime(n) ? tezzle::colours::kBlack : tezzle::colours::kPaleGrey);
        }
        QCOMPARE(g::numberAt(-1, 0) + g::numberAt(10, 3) + g::numberAt(4, 10), 0);
        const g::Point label = g::labelPosition(100, 540);
        QCOMPARE(label.x + 540 / 2, g::labelPosition(100).x + g::labelSize / 2);
        const g::Point counter = g::counterPosition(100, 540);
        QVERIFY(counter.x == g::labelPosition(100).x - 45 + 15 && counter.y == label.y - 90);
        QCOMPARE(g::counterPosition(7).x, g::labelPosition(7).x - 45);
    }

    // Whether n itself is already covered changes nothing; off the board earns nothing.
    void theBonusAgreesWithBruteForceOnRandomBoards() {
        QCOMPARE(tezzle::checktezzle(0, NumberSet::of({1, 2, 3})) +
                     tezzle::checktezzle(101, NumberSet::of({98, 99, 100})),
                 0);
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

    // The walk runs only with 1, 100, 2 or 3, and at least 18 hexagons covered. The game
    // reuses one search, reset at every change of turn.
    void precheck() {
        const QList<int> enough{1,  2,  100, 10, 11, 12, 13, 14, 15,
                                16, 17, 18,  19, 20, 21, 22, 23, 24};
        PathSearch search;
        // Hexagon k of those 18 replaced by n, and only the first `count` covered.
        const int cases[][4]{{0, 1, 18, 1}, {0, 1, 17, 0},  {1, 3, 18, 1}, {1, 4, 18, 0},
                             {0, 5, 18, 0}, {2, 99, 18, 0}, {0, 1, 0, 0}};
        for (const auto& [k, n, count, ok] : cases) {
            QList<int> numbers = enough.mid(0, count);
            if (count > 0)
                numbers[k] = n;
            const Covered c(numbers);
            search.reset();
            QVERIFY(search.okToCheck(c.cells, c.next) == bool(ok) && search.checkOK == bool(ok));
            search.findPath(tezzle::gridConnArray(), c.cells, c.next);
        }
        search.reset();
        QVERIFY(!search.has1 && !search.has2 && !search.has3 && !search.has100);
        QVERIFY(!search.enoughCovered && !search.checkOK && !search.pathFound);
        QCOMPARE(search.readout(), std::string_view("No  path found!"));
    }

    // Whatever the board, the walk over the adjacency table finds a chain exactly when the flood
    // fill over the neighbour test on label positions does, in whatever order the hexagons were
    // covered: the two neighbour relations agree.
    void agreesWithFloodFill() {
        QVERIFY(!pathFound({1, 100}));
        std::mt19937 random(61226);
        std::uniform_int_distribution<int> percent(0, 99);
        int withPath = 0;
        for (int round = 0; round < 5000; ++round) {
            const int density = 35 + round % 60;
            QList<int> numbers{1, 100};
            for (int n = 2; n < 100; ++n)
                if (percent(random) < density)
                    numbers.push_back(n);
            std::shuffle(numbers.begin(), numbers.end(), random);
            const bool expected = floodFill(numbers);
            withPath += expected;
            QCOMPARE(pathFound(numbers), expected);
        }
        QVERIFY(withPath > 500 && withPath < 4500); // both outcomes well represented
    }

    // A damaged adjacency table or list is read no further than the board and its 101 entries.
    void damagedInputIsReadSafely() {
        ConnArray damaged = tezzle::gridConnArray();
        damaged[0] = {-7, 2, 3, 400, 101, 0, 0};
        QList<int> all(100);
        std::iota(all.begin(), all.end(), 1);
        QVERIFY(!pathFound(all, ConnArray{}) && pathFound(all, damaged));
        QVERIFY(pathFound(all, tezzle::gridConnArray(), 500));
        QVERIFY(PathSearch().okToCheck(Covered(all).cells, 500));
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "TestGeometry.moc"
