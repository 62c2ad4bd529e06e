// Where the hexagons stand, which touch, and the tables every window reads.

#include "core/Geometry.h"
#include "core/Tables.h"

#include <QTest>

namespace g = tezzle::geometry;

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    // Numbers run along the diagonals from 1 at the bottom left to 100 at the top right:
    // quoted to the tenth of a twip, a label stands on its hexagon, and hexagon 100's stays
    // centred when its label grows.
    void numbersAndPositions() {
        for (auto [n, left, top] : {std::tuple{1, 240.0, 7473.0},
                                    {55, 7582.2, 7473.0},
                                    {46, 3911.1, 1114.5},
                                    {50, 5542.7, 3940.5},
                                    {100, 11253.3, 1114.5}}) {
            const g::Point p = g::labelPosition(n);
            QVERIFY2(std::abs(p.x - left) < 0.1 && std::abs(p.y - top) < 0.1,
                     qPrintable(QString("%1: %2 %3").arg(n).arg(p.x).arg(p.y)));
        }
        for (int n = 1; n <= 100; ++n) {
            const g::Point label = g::labelPosition(n), centre = g::hexagonCentre(n);
            QVERIFY(std::abs(label.x + 0.5 * g::labelSize - centre.x) < 1e-9);
            QVERIFY(std::abs(label.y + 0.4 * g::labelSize - centre.y) < 1e-9);
            QCOMPARE(g::numberAt(g::cellOf(n).column, g::cellOf(n).row), n);
        }
        QCOMPARE(g::numberAt(-1, 0) + g::numberAt(10, 3) + g::numberAt(4, 10), 0);
        const g::Point label = g::labelPosition(100, 540);
        QCOMPARE(label.x + 540 / 2, g::labelPosition(100).x + g::labelSize / 2);
        const g::Point counter = g::counterPosition(100, 540);
        QVERIFY(counter.x == g::labelPosition(100).x - 45 + 15 && counter.y == label.y - 90);
        QCOMPARE(g::counterPosition(7).x, g::labelPosition(7).x - 45);
    }

    // The neighbour test on label positions admits exactly the grid's six neighbours (fewer at
    // the edges), whatever width hexagon 100's label takes for its three digits.
    void touchingIsTheGridsNeighbourRelation() {
        for (double width : {480.0, 400.0, 525.0, 600.0, 700.0})
            for (int p = 1; p <= 100; ++p) {
                int count = 0;
                for (int q = 1; q <= 100; ++q) {
                    bool grid = false;
                    for (int k = 0; k < 6; ++k)
                        grid = grid || g::gridNeighbour(p, k) == q;
                    const bool byTest =
                        g::touches(g::labelPosition(p, width), g::labelPosition(q, width));
                    QCOMPARE(byTest, grid || p == q);
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
    }

    void zonesAndPrimes() {
        int next = 1;
        for (const tezzle::Zone& zone : tezzle::kZones) {
            QCOMPARE(zone.first, next);
            QCOMPARE(&tezzle::zoneOf(zone.first), &zone);
            QCOMPARE(&tezzle::zoneOf(zone.last), &zone);
            next = zone.last + 1;
        }
        QCOMPARE(next, 101);
        int count = 0;
        for (int n = 1; n <= 100; ++n) {
            bool prime = n > 1;
            for (int d = 2; d * d <= n; ++d)
                prime = prime && n % d != 0;
            QCOMPARE(tezzle::numberColour(n),
                     prime ? tezzle::colours::kBlack : tezzle::colours::kPaleGrey);
            count += prime;
        }
        QCOMPARE(count, 25);
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "TestGeometry.moc"
