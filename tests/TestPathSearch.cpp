// The end-of-game path: the precheck, and the walk against a plain flood fill.

#include "core/Geometry.h"
#include "core/PathSearch.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

using tezzle::ConnArray;
using tezzle::PathSearch;

namespace {

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
        tezzle::geometry::neighbours(n).forEach([&](int m) {
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

QList<int> range(int from, int to) {
    QList<int> v(to - from + 1);
    std::iota(v.begin(), v.end(), from);
    return v;
}

} // namespace

class TestPathSearch : public QObject {
    Q_OBJECT

private slots:
    // The walk runs only with 1, 100, 2 or 3, and at least 18 hexagons covered. The game
    // reuses one search, reset at every change of turn.
    void precheck() {
        const QList<int> enough = QList<int>{1, 2, 100} + range(10, 24);
        PathSearch search;
        // Hexagon k of those 18 replaced by n, and only the first `count` covered.
        for (auto [k, n, count, ok] : {std::array{0, 1, 18, 1},
                                       {0, 1, 17, 0},
                                       {1, 3, 18, 1},
                                       {1, 4, 18, 0},
                                       {0, 5, 18, 0},
                                       {2, 99, 18, 0},
                                       {0, 1, 0, 0}}) {
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

    // Whatever the board, the walk finds a chain exactly when the flood fill does, and in
    // whatever order the hexagons were covered.
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
        QVERIFY(!pathFound(range(1, 100), ConnArray{}) && pathFound(range(1, 100), damaged));
        QVERIFY(pathFound(range(1, 100), tezzle::gridConnArray(), 500));
        QVERIFY(PathSearch().okToCheck(Covered(range(1, 100)).cells, 500));
    }
};

QTEST_APPLESS_MAIN(TestPathSearch)
#include "TestPathSearch.moc"
