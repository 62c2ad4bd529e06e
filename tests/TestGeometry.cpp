// Where the hexagons stand, which touch, and the tables every window reads.

#include "core/Geometry.h"
#include "core/Tables.h"

#include <QTest>

namespace g = tezzle::geometry;

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void numbersRunAlongTheDiagonals_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("9 (top)") << 9 << QList<int>{46, 56, 65, 73, 80, 86, 91, 95, 98, 100};
        QTest::newRow("8") << 8 << QList<int>{37, 47, 57, 66, 74, 81, 87, 92, 96, 99};
        QTest::newRow("7") << 7 << QList<int>{29, 38, 48, 58, 67, 75, 82, 88, 93, 97};
        QTest::newRow("6") << 6 << QList<int>{22, 30, 39, 49, 59, 68, 76, 83, 89, 94};
        QTest::newRow("5") << 5 << QList<int>{16, 23, 31, 40, 50, 60, 69, 77, 84, 90};
        QTest::newRow("4") << 4 << QList<int>{11, 17, 24, 32, 41, 51, 61, 70, 78, 85};
        QTest::newRow("3") << 3 << QList<int>{7, 12, 18, 25, 33, 42, 52, 62, 71, 79};
        QTest::newRow("2") << 2 << QList<int>{4, 8, 13, 19, 26, 34, 43, 53, 63, 72};
        QTest::newRow("1") << 1 << QList<int>{2, 5, 9, 14, 20, 27, 35, 44, 54, 64};
        QTest::newRow("0 (bottom)") << 0 << QList<int>{1, 3, 6, 10, 15, 21, 28, 36, 45, 55};
    }

    void numbersRunAlongTheDiagonals() {
        QFETCH(int, row);
        QFETCH(QList<int>, numbers);
        for (int column = 0; column < 10; ++column) {
            const int n = numbers[column];
            QCOMPARE(g::numberAt(column, row), n);
            QCOMPARE(g::cellOf(n), (g::Cell{column, row}));
        }
    }

    void offTheBoardIsNoNumber() {
        QCOMPARE(g::numberAt(-1, 0), 0);
        QCOMPARE(g::numberAt(10, 3), 0);
        QCOMPARE(g::numberAt(4, 10), 0);
    }

    void labelPositions_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("1, bottom left") << 1 << 240.0 << 7473.0;
        QTest::newRow("55, bottom right") << 55 << 7582.2 << 7473.0;
        QTest::newRow("46, top left") << 46 << 3911.1 << 1114.5;
        QTest::newRow("50") << 50 << 5542.7 << 3940.5;
        QTest::newRow("100 at pattern width") << 100 << 11253.3 << 1114.5;
    }

    void labelPositions() {
        QFETCH(int, n);
        QFETCH(double, left);
        QFETCH(double, top);
        const g::Point p = g::labelPosition(n);
        // Within the tenth of a twip to which the positions are quoted.
        QVERIFY2(std::abs(p.x - left) < 0.1, qPrintable(QString::number(p.x)));
        QVERIFY2(std::abs(p.y - top) < 0.1, qPrintable(QString::number(p.y)));
    }

    void hexagonHundredStaysCentredWhenItsLabelGrows() {
        const double wide = 540;
        const g::Point label = g::labelPosition(100, wide);
        QCOMPARE(label.x + wide / 2, g::labelPosition(100).x + g::labelSize / 2);
        const g::Point counter = g::counterPosition(100, wide);
        QCOMPARE(counter.x, g::labelPosition(100).x - 45 + 15);
        QCOMPARE(counter.y, label.y - 90);
        QCOMPARE(g::counterPosition(7).x, g::labelPosition(7).x - 45);
    }

    void labelsStandOnTheirHexagons() {
        for (int n = 1; n <= 100; ++n) {
            const g::Point label = g::labelPosition(n);
            const g::Point centre = g::hexagonCentre(n);
            QVERIFY(std::abs(label.x + 0.5 * g::labelSize - centre.x) < 1e-9);
            QVERIFY(std::abs(label.y + 0.4 * g::labelSize - centre.y) < 1e-9);
        }
    }

    // The neighbour test on label positions admits exactly the grid's six neighbours, and
    // keeps doing so whatever width hexagon 100's label takes for its three digits.
    void touchingIsTheGridsNeighbourRelation() {
        for (double width : {480.0, 400.0, 525.0, 600.0, 700.0})
            for (int p = 1; p <= 100; ++p) {
                int count = 0;
                for (int q = 1; q <= 100; ++q) {
                    if (p == q)
                        continue;
                    bool grid = false;
                    for (int k = 0; k < 6; ++k)
                        grid = grid || g::gridNeighbour(p, k) == q;
                    const bool byTest =
                        g::touches(g::labelPosition(p, width), g::labelPosition(q, width));
                    QCOMPARE(byTest, grid);
                    QCOMPARE(g::neighbours(p).test(q), grid);
                    count += grid;
                }
                const g::Cell c = g::cellOf(p);
                const bool edgeColumn = c.column == 0 || c.column == 9;
                const bool edgeRow = c.row == 0 || c.row == 9;
                const int expected = (edgeColumn && edgeRow) ? (p == 1 || p == 100 ? 2 : 3)
                                                             : (edgeColumn || edgeRow ? 4 : 6);
                QCOMPARE(count, expected);
            }
        QCOMPARE(g::neighbours(1).count(), 2);
        QVERIFY(g::neighbours(1).test(2) && g::neighbours(1).test(3));
        QVERIFY(g::neighbours(100).test(98) && g::neighbours(100).test(99));
    }

    void zonesCoverTheBoardInOrder() {
        int next = 1;
        for (const tezzle::Zone& zone : tezzle::kZones) {
            QCOMPARE(zone.first, next);
            QVERIFY(zone.last >= zone.first);
            next = zone.last + 1;
        }
        QCOMPARE(next, 101);
        QCOMPARE(tezzle::zoneOf(15).points, 10);
        QCOMPARE(tezzle::zoneOf(16).code, std::string_view("cy"));
        QCOMPARE(tezzle::zoneOf(64).points, 100);
        QCOMPARE(tezzle::zoneOf(91).cue, tezzle::Cue::Laser3);
    }

    void primesAreTheTwentyFiveBelowAHundred() {
        int count = 0;
        for (int n = 1; n <= 100; ++n) {
            bool prime = n > 1;
            for (int d = 2; d * d <= n; ++d)
                prime = prime && n % d != 0;
            QCOMPARE(tezzle::isPrime(n), prime);
            QCOMPARE(tezzle::numberColour(n),
                     prime ? tezzle::colours::kBlack : tezzle::colours::kPaleGrey);
            count += prime;
        }
        QCOMPARE(count, 25);
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "TestGeometry.moc"
