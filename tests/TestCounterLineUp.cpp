// Counters lie on the board without a seam. A BMP has no transparency, so each counter picture
// carries the hexagon around its disc; laid on the board at its place, its edge must be the very
// pixels of the board beneath, on all 100 hexagons. The same holds for the pictures at twice the
// size, each at twice its place. Writes build/board-with-counters.png.

#include "core/Geometry.h"
#include "core/Tables.h"

#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

const QString kData = QStringLiteral(TEZZLE_BIN_DIR "/data/");
constexpr int kSize = 32; // at 1x
// Largest difference allowed in any colour channel. The files are lossless and the board is
// drawn to the same pixel rule, so the difference found is 0; a little room is left for a
// future change of anti-aliasing.
constexpr int kTolerance = 2;

QString str(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Where the board window puts a counter.
QPoint counterPixel(int n) {
    const tezzle::geometry::Pixel p =
        tezzle::geometry::toPixels(tezzle::geometry::counterPosition(n));
    return {p.x, p.y};
}

// A picture at the scale: "@2x" names its companion at twice the size.
QImage loadAt(const QString& name, int scale) {
    const QString suffix = scale == 2 ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp");
    QImage image = QImage(kData + name + suffix).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1); // worked on pixel by pixel, not drawn for a screen
    return image;
}

QImage counterFor(int n, std::string_view who, int scale = 1) {
    return loadAt(QStringLiteral("counters/%1%2%3")
                      .arg(str(tezzle::zoneOf(n).code), str(who))
                      .arg(tezzle::isPrime(n) ? 2 : 1),
                  scale);
}

int channelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The outermost ring of a counter picture of the given size.
bool onEdge(int x, int y, int size) {
    return x == 0 || y == 0 || x == size - 1 || y == size - 1;
}

} // namespace

class TestCounterLineUp : public QObject {
    Q_OBJECT

    std::array<QImage, 3> boards; // by scale

private slots:
    void initTestCase() {
        for (const int scale : {1, 2}) {
            boards[scale] = loadAt(QStringLiteral("Images/tezzle3"), scale);
            QCOMPARE(boards[scale].size(), QSize(800, 600) * scale);
        }
    }

    void countersMatchTheBoardAtTheirEdge_data() {
        QTest::addColumn<QString>("who");
        QTest::addColumn<int>("scale");
        for (const int scale : {1, 2}) {
            for (const tezzle::Player& player : tezzle::kPlayers)
                QTest::addRow("%s %dx", player.name.data(), scale)
                    << str(player.counterCode) << scale;
            QTest::addRow("white flash %dx", scale) << QStringLiteral("wh") << scale;
        }
    }

    void countersMatchTheBoardAtTheirEdge() {
        QFETCH(QString, who);
        QFETCH(int, scale);
        const QImage& board = boards[scale];
        const int size = kSize * scale;
        // A counter on every hexagon at once, as at the end of a long game.
        QImage covered = board;
        QPainter p(&covered);
        for (int n = tezzle::kFirstNumber; n <= tezzle::kLastNumber; ++n) {
            const QImage counter = counterFor(n, who.toStdString(), scale);
            QCOMPARE(counter.size(), QSize(size, size));
            p.drawImage(counterPixel(n) * scale, counter);
        }
        p.end();
        int worst = 0;
        for (int n = tezzle::kFirstNumber; n <= tezzle::kLastNumber; ++n) {
            const QPoint at = counterPixel(n) * scale;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    if (!onEdge(x, y, size))
                        continue;
                    const int d = channelDifference(covered.pixel(at.x() + x, at.y() + y),
                                                    board.pixel(at.x() + x, at.y() + y));
                    worst = std::max(worst, d);
                    if (d > kTolerance)
                        QFAIL(qPrintable(QStringLiteral("hexagon %1: counter pixel (%2, %3) "
                                                        "differs from the board by %4")
                                             .arg(n)
                                             .arg(x)
                                             .arg(y)
                                             .arg(d)));
                }
        }
        qInfo("largest difference at the counters' edges: %d", worst);
    }

    void countersSitCentredOnTheirHexagons_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }

    void countersSitCentredOnTheirHexagons() {
        QFETCH(int, scale);
        const QImage& board = boards[scale];
        const int size = kSize * scale;
        for (int n = tezzle::kFirstNumber; n <= tezzle::kLastNumber; ++n) {
            const QImage counter = counterFor(n, "re", scale);
            const QPoint at = counterPixel(n) * scale;
            // The disc: whatever the counter changes on the board.
            double sumX = 0, sumY = 0;
            int count = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    if (channelDifference(counter.pixel(x, y),
                                          board.pixel(at.x() + x, at.y() + y)) > 60) {
                        sumX += x + 0.5;
                        sumY += y + 0.5;
                        ++count;
                    }
            QVERIFY(count > 250 * scale * scale);
            // In the board's own pixels, whatever the scale.
            const tezzle::geometry::Point centre = tezzle::geometry::hexagonCentre(n);
            const double dx = (at.x() + sumX / count) / scale - centre.x / 15.0;
            const double dy = (at.y() + sumY / count) / scale - centre.y / 15.0;
            // Rounding to whole pixels moves a counter by up to half a pixel each way, and
            // hexagon 100's counter stands one pixel right of the rule.
            QVERIFY2(std::hypot(dx, dy) < 1.6,
                     qPrintable(QStringLiteral("hexagon %1 is off by (%2, %3)")
                                    .arg(n)
                                    .arg(dx, 0, 'f', 2)
                                    .arg(dy, 0, 'f', 2)));
        }
    }

    void picture() {
        // Every player's counters and a white flash, scattered over the whole board.
        QImage covered = boards[1];
        QPainter p(&covered);
        const std::array<std::string_view, 5> who{"bl", "re", "gr", "ye", "wh"};
        for (int n = tezzle::kFirstNumber; n <= tezzle::kLastNumber; ++n)
            p.drawImage(counterPixel(n), counterFor(n, who[static_cast<std::size_t>(n % 5)]));
        p.end();
        QVERIFY(covered.save(TEZZLE_BIN_DIR "/../board-with-counters.png"));
    }
};

QTEST_MAIN(TestCounterLineUp)
#include "TestCounterLineUp.moc"
