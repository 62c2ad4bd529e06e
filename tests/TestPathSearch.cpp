// The end-of-game path: the precheck, and the walk against a plain flood fill.

#include "core/Geometry.h"
#include "core/PathSearch.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

using tezzle::ConnArray;
using tezzle::PathSearch;

namespace {

// The list the game keeps: covered numbers in the order they were covered, then a 0.
struct Covered {
    std::array<std::int16_t, 101> cells{};
    int next = 1;
    explicit Covered(const std::vector<int>& numbers) {
        for (int n : numbers)
            cells[next++ - 1] = static_cast<std::int16_t>(n);
    }
};

// Spreads from hexagon 1 over covered hexagons by the board's own neighbour test.
bool floodFill(const std::vector<int>& numbers) {
    std::array<bool, 101> covered{}, reached{};
    for (int n : numbers)
        covered[n] = true;
    if (!covered[1] || !covered[100])
        return false;
    std::vector<int> todo{1};
    reached[1] = true;
    while (!todo.empty()) {
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

bool pathFound(const std::vector<int>& numbers, const ConnArray& table) {
    const Covered c(numbers);
    PathSearch search;
    search.findPath(table, c.cells, c.next);
    return search.pathFound;
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int n = from; n <= to; ++n)
        v.push_back(n);
    return v;
}

} // namespace

class TestPathSearch : public QObject {
    Q_OBJECT

    const ConnArray grid = tezzle::gridConnArray();

private slots:
    void precheck_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<bool>("ok");
        const QList<int> seventeen{1,  2,  100, 10, 11, 12, 13, 14, 15,
                                   16, 17, 18,  19, 20, 21, 22, 23};
        QTest::newRow("17 covered is too few") << seventeen << false;
        QTest::newRow("18 covered") << (seventeen + QList<int>{24}) << true;
        QTest::newRow("3 instead of 2")
            << QList<int>{1, 3, 100, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}
            << true;
        QTest::newRow("neither 2 nor 3")
            << QList<int>{1, 4, 100, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}
            << false;
        QTest::newRow("no 1") << QList<int>{5,  2,  100, 10, 11, 12, 13, 14, 15,
                                            16, 17, 18,  19, 20, 21, 22, 23, 24}
                              << false;
        QTest::newRow("no 100") << QList<int>{1,  2,  99, 10, 11, 12, 13, 14, 15,
                                              16, 17, 18, 19, 20, 21, 22, 23, 24}
                                << false;
        QTest::newRow("nothing covered") << QList<int>{} << false;
    }

    void precheck() {
        QFETCH(QList<int>, numbers);
        QFETCH(bool, ok);
        const Covered c({numbers.begin(), numbers.end()});
        PathSearch search;
        QCOMPARE(search.okToCheck(c.cells, c.next), ok);
        QCOMPARE(search.checkOK, ok);
    }

    void resetRestoresTheStartValues() {
        PathSearch search;
        const Covered c(range(1, 100));
        QVERIFY(search.okToCheck(c.cells, c.next));
        search.findPath(grid, c.cells, c.next);
        QVERIFY(search.pathFound);
        QCOMPARE(search.readout(), std::string_view("Found path!"));
        search.reset();
        QVERIFY(!search.has1 && !search.has2 && !search.has3 && !search.has100);
        QVERIFY(!search.enoughCovered && !search.checkOK && !search.pathFound);
        QCOMPARE(search.readout(), std::string_view("No  path found!"));
    }

    void namedBoards_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<bool>("found");
        const std::vector<int> all = range(1, 100);
        QTest::newRow("full board") << QList<int>(all.begin(), all.end()) << true;
        // Up the left edge and along the top row.
        QTest::newRow("left edge and top row")
            << QList<int>{1, 2, 4, 7, 11, 16, 22, 29, 37, 46, 56, 65, 73, 80, 86, 91, 95, 98, 100}
            << true;
        QTest::newRow("the same with a gap at 80")
            << QList<int>{1, 2, 4, 7, 11, 16, 22, 29, 37, 46, 56, 65, 73, 86, 91, 95, 98, 100}
            << false;
        QTest::newRow("1 and 100 alone") << QList<int>{1, 100} << false;
        // A winding chain that doubles back on itself: right along row 0, up, left along
        // row 2, up, right along row 4, and so on.
        QTest::newRow("serpentine")
            << QList<int>{1,  3,  6,  10, 15, 21, 28, 36, 45, 55, 64, 72, 63, 53,
                          43, 34, 26, 19, 13, 8,  4,  7,  11, 17, 24, 32, 41, 51,
                          61, 70, 78, 85, 90, 94, 89, 83, 76, 68, 59, 49, 39, 30,
                          22, 29, 37, 47, 57, 66, 74, 81, 87, 92, 96, 99, 100}
            << true;
    }

    void namedBoards() {
        QFETCH(QList<int>, numbers);
        QFETCH(bool, found);
        const std::vector<int> v(numbers.begin(), numbers.end());
        QCOMPARE(floodFill(v), found);
        QCOMPARE(pathFound(v, grid), found);
    }

    // Whatever the board, the walk finds a chain exactly when the flood fill does, and in
    // whatever order the hexagons were covered.
    void agreesWithFloodFillOnRandomBoards() {
        std::mt19937 random(61226);
        std::uniform_int_distribution<int> percent(0, 99);
        int withPath = 0;
        for (int round = 0; round < 5000; ++round) {
            const int density = 35 + round % 60;
            std::vector<int> numbers{1, 100};
            for (int n = 2; n < 100; ++n)
                if (percent(random) < density)
                    numbers.push_back(n);
            std::shuffle(numbers.begin(), numbers.end(), random);
            const bool expected = floodFill(numbers);
            withPath += expected;
            QCOMPARE(pathFound(numbers, grid), expected);
        }
        // Both outcomes were well represented.
        QVERIFY(withPath > 500 && withPath < 4500);
    }

    void anEmptyTableNeverLeavesHexagonOne() { QVERIFY(!pathFound(range(1, 100), ConnArray{})); }

    void entriesOffTheBoardAreIgnored() {
        ConnArray damaged = grid;
        damaged[0] = {-7, 2, 3, 400, 101, 0, 0};
        QVERIFY(pathFound(range(1, 100), damaged));
        // A list whose count runs past its end is read no further than its 101 entries.
        const Covered c(range(1, 100));
        PathSearch search;
        search.findPath(grid, c.cells, 500);
        QVERIFY(search.pathFound);
        QVERIFY(search.okToCheck(c.cells, 500));
    }
};

QTEST_APPLESS_MAIN(TestPathSearch)
#include "TestPathSearch.moc"
