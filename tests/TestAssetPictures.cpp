// Every picture the game names is made by the build: each one loads at the size its place in
// the windows needs, and shows what a player expects there. Writes build/contact-sheet.png
// to look at.

#include "core/Geometry.h"
#include "core/Tables.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

const QString kData = QStringLiteral(TEZZLE_BIN_DIR "/data/");
const QColor kBackground(49, 135, 215);

QString str(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(tezzle::Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QImage load(const QString& path) {
    return QImage(kData + path).convertToFormat(QImage::Format_RGB32);
}

double distance(const QColor& a, const QColor& b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

double hueDistance(const QColor& a, const QColor& b) {
    const double d = std::abs(a.hsvHueF() - b.hsvHueF());
    return std::min(d, 1.0 - d);
}

// Mean colour of the square of side 2 * half + 1 around (x, y).
QColor meanAround(const QImage& image, int x, int y, int half) {
    double r = 0, g = 0, b = 0;
    int count = 0;
    for (int dy = -half; dy <= half; ++dy)
        for (int dx = -half; dx <= half; ++dx) {
            const QColor c = image.pixelColor(x + dx, y + dy);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++count;
        }
    return QColor(static_cast<int>(r / count), static_cast<int>(g / count),
                  static_cast<int>(b / count));
}

QString counterFile(const tezzle::Zone& zone, std::string_view who, int digit) {
    return QStringLiteral("counters/%1%2%3.bmp").arg(str(zone.code), str(who)).arg(digit);
}

struct Named {
    QString path;
    QSize size;
};

std::vector<Named> everyPicture() {
    std::vector<Named> all{
        {"Images/tezzle3.bmp", {800, 600}},      {"Images/tezzlemd.bmp", {320, 240}},
        {"Images/logo2.jpg", {100, 139}},        {"images/start.jpg", {189, 235}},
        {"images/board.jpg", {399, 248}},        {"images/tezzle.jpg", {166, 188}},
        {"images/doubletezzle.jpg", {217, 190}}, {"images/end.jpg", {397, 248}},
    };
    for (const tezzle::Zone& zone : tezzle::kZones) {
        all.push_back({QStringLiteral("Balls/%1ball.bmp").arg(str(zone.code)), {56, 56}});
        for (int digit = 1; digit <= 2; ++digit) {
            for (const tezzle::Player& player : tezzle::kPlayers)
                all.push_back({counterFile(zone, player.counterCode, digit), {32, 32}});
            all.push_back({counterFile(zone, "wh", digit), {32, 32}});
        }
    }
    return all;
}

// Mean difference of one colour channel between a and b moved by shift, away from the edges.
double meanDifference(const QImage& a, const QImage& b, QPoint shift) {
    double sum = 0;
    int count = 0;
    for (int y = 1; y + 1 < a.height(); ++y)
        for (int x = 1; x + 1 < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x + shift.x(), y + shift.y());
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    return sum / count;
}

// A picture's companion for high-DPI screens: "Images/tezzle3.bmp" -> "Images/tezzle3@2x.bmp".
QString twice(const QString& path) {
    QString companion = path;
    return companion.insert(companion.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

// Pixel of the picture end.jpg under the corners of the white line that rules page 5 draws
// across it: the line's points in twips, less the picture's top left (5940, 3600).
const std::vector<QPoint> kEndLineCorners{{6150, 7050},  {7170, 5280}, {7995, 5280},
                                          {8610, 4200},  {9810, 4200}, {10050, 4560},
                                          {11250, 4560}, {11670, 3840}};

void writeContactSheet() {
    QImage sheet(1240, 1730, QImage::Format_RGB32);
    sheet.fill(QColor(70, 70, 76));
    QPainter p(&sheet);
    QFont caption("Liberation Sans");
    caption.setPixelSize(12);
    p.setFont(caption);
    auto place = [&](const QString& path, QPoint at, double zoom = 1.0) {
        const QImage image = load(path);
        p.drawImage(QRect(at, image.size() * zoom), image);
        p.setPen(Qt::white);
        p.drawText(at + QPoint(0, static_cast<int>(image.height() * zoom) + 13), path);
    };
    place("Images/tezzle3.bmp", {10, 10});
    place("Images/tezzlemd.bmp", {830, 10});
    place("Images/logo2.jpg", {830, 280});
    place("images/start.jpg", {960, 280});
    place("images/tezzle.jpg", {830, 540});
    place("images/doubletezzle.jpg", {1010, 540});
    place("images/board.jpg", {10, 640});
    place("images/end.jpg", {420, 640});
    // Rules page 5 draws its white line across end.jpg.
    QPolygon line;
    for (const QPoint twips : kEndLineCorners)
        line << QPoint(420, 640) + (twips - QPoint(5940, 3600)) / 15;
    p.setPen(QPen(Qt::white, 2));
    p.drawPolyline(line);

    // The balls with their points written over them as the board window does.
    QFont points("Liberation Sans");
    points.setPixelSize(21);
    points.setBold(true);
    for (const tezzle::Zone& zone : tezzle::kZones) {
        const QPoint at(10 + 66 * zone.legendIndex, 920);
        p.drawImage(at, load(QStringLiteral("Balls/%1ball.bmp").arg(str(zone.code))));
        p.setFont(points);
        p.setPen(QColor(224, 224, 224));
        p.drawText(QRect(at, QSize(56, 56)), Qt::AlignCenter, QString::number(zone.points));
    }
    // Counters at twice their size: a row per zone, plain then prime; players, then white.
    int row = 0;
    for (const tezzle::Zone& zone : tezzle::kZones)
        for (int digit = 1; digit <= 2; ++digit, ++row) {
            QStringList files;
            for (const tezzle::Player& player : tezzle::kPlayers)
                files << counterFile(zone, player.counterCode, digit);
            files << counterFile(zone, "wh", digit);
            for (int column = 0; column < files.size(); ++column)
                p.drawImage(QRect(830 + 68 * column, 770 + 68 * row, 64, 64), load(files[column]));
        }
    p.setFont(caption);
    p.setPen(Qt::white);
    p.drawText(QPoint(10, 990), QStringLiteral("Balls/*ball.bmp with the window's labels; "
                                               "counters/ by zone (plain, prime) and player"));
    p.end();
    sheet.save(QStringLiteral(TEZZLE_BIN_DIR "/../contact-sheet.png"));
}

} // namespace

class TestAssetPictures : public QObject {
    Q_OBJECT

private slots:
    void everyPictureLoadsAtItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Named& picture : everyPicture())
            QTest::newRow(qPrintable(picture.path)) << picture.path << picture.size;
    }

    void everyPictureLoadsAtItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(kData + path);
        // The game loads these by name: the file must hold what its extension says.
        QCOMPARE(reader.format(), path.endsWith(".jpg") ? QByteArray("jpeg") : QByteArray("bmp"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void theFolderHoldsNothingElse() {
        // A stray or misnamed file would mean some picture is looked for under another name.
        // Every picture has one companion at twice the size.
        int pictures = 0;
        for (const QString folder : {"Images", "images", "Balls", "counters"})
            pictures += static_cast<int>(QDir(kData + folder).entryList(QDir::Files).size());
        QCOMPARE(pictures, 2 * static_cast<int>(everyPicture().size()));
    }

    void everyPictureHasACompanionAtTwiceTheSize_data() { everyPictureLoadsAtItsSize_data(); }

    void everyPictureHasACompanionAtTwiceTheSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image = load(path);
        QImageReader reader(kData + twice(path));
        QCOMPARE(reader.format(), path.endsWith(".jpg") ? QByteArray("jpeg") : QByteArray("bmp"));
        const QImage fine = reader.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!fine.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(fine.size(), 2 * size);
        // The same drawing, finer: halved, it is the 1x picture up to anti-aliasing, hinting
        // and JPEG noise, and it fits it best where it stands, not a pixel to any side.
        const QImage halved = fine.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double here = meanDifference(image, halved, {0, 0});
        qInfo("%s: %.2f", qPrintable(path), here);
        QVERIFY2(here < 12, qPrintable(QString::number(here)));
        for (const QPoint shift : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            QVERIFY2(
                here < meanDifference(image, halved, shift),
                qPrintable(
                    QStringLiteral("fits better moved by (%1, %2)").arg(shift.x()).arg(shift.y())));
    }

    void countersWearTheirPlayersColour_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QColor>("colour");
        for (const tezzle::Zone& zone : tezzle::kZones)
            for (int digit = 1; digit <= 2; ++digit) {
                for (const tezzle::Player& player : tezzle::kPlayers) {
                    const QString path = counterFile(zone, player.counterCode, digit);
                    QTest::newRow(qPrintable(path)) << path << qcolor(player.colour);
                }
                const QString white = counterFile(zone, "wh", digit);
                QTest::newRow(qPrintable(white)) << white << QColor(Qt::white);
            }
    }

    void countersWearTheirPlayersColour() {
        QFETCH(QString, path);
        QFETCH(QColor, colour);
        const QImage counter = load(path);
        // Around the hexagon's centre, which lies at (19, 18.8) in the picture.
        const QColor middle = meanAround(counter, 19, 19, 2);
        QVERIFY2(distance(middle, colour) < 80,
                 qPrintable(QStringLiteral("%1 is %2").arg(path, middle.name())));
        for (const tezzle::Player& player : tezzle::kPlayers)
            if (qcolor(player.colour) != colour)
                QVERIFY(distance(middle, colour) < distance(middle, qcolor(player.colour)));
    }

    void ballsSitOnTheWindowBackground_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QColor>("colour");
        for (const tezzle::Zone& zone : tezzle::kZones)
            QTest::newRow(zone.code.data())
                << QStringLiteral("Balls/%1ball.bmp").arg(str(zone.code)) << qcolor(zone.colour);
    }

    void ballsSitOnTheWindowBackground() {
        QFETCH(QString, path);
        QFETCH(QColor, colour);
        const QImage ball = load(path);
        for (const QPoint corner : {QPoint(0, 0), QPoint(55, 0), QPoint(0, 55), QPoint(55, 55)})
            QCOMPARE(ball.pixelColor(corner), kBackground);
        // The sphere's shoulder, around the dark middle, is shaded: its hue is nearer its
        // zone's than any other zone's.
        const QColor shoulder = meanAround(ball, 6, 28, 2);
        for (const tezzle::Zone& other : tezzle::kZones)
            if (qcolor(other.colour) != colour)
                QVERIFY2(hueDistance(shoulder, colour) <
                             hueDistance(shoulder, qcolor(other.colour)),
                         qPrintable(shoulder.name()));
    }

    void theBoardIsEmptyUnderTheBalls() {
        // The balls are opaque squares: the board beneath them must be plain background.
        const QImage board = load("Images/tezzle3.bmp");
        for (int y = 8; y < 8 + 7 * 56; ++y)
            for (int x = 6; x < 62; ++x)
                QCOMPARE(board.pixelColor(x, y), kBackground);
    }

    void hexagonsWearTheirZoneColour_data() {
        QTest::addColumn<int>("n");
        for (int n = tezzle::kFirstNumber; n <= tezzle::kLastNumber; ++n)
            QTest::addRow("%d", n) << n;
    }

    void hexagonsWearTheirZoneColour() {
        QFETCH(int, n);
        const QImage board = load("Images/tezzle3.bmp");
        const tezzle::geometry::Point centre = tezzle::geometry::hexagonCentre(n);
        // Beside the well, halfway out to the flat side.
        const int x = static_cast<int>(std::lround(centre.x / 15.0)) + 21;
        const int y = static_cast<int>(std::lround(centre.y / 15.0));
        const QColor face = meanAround(board, x, y, 1);
        const QColor zone = qcolor(tezzle::zoneOf(n).colour);
        for (const tezzle::Zone& other : tezzle::kZones)
            if (qcolor(other.colour) != zone)
                QVERIFY2(distance(face, zone) < distance(face, qcolor(other.colour)),
                         qPrintable(face.name()));
    }

    void theFinishedChainLiesUnderThePageLines() {
        const QImage end = load("images/end.jpg");
        for (const QPoint twips : kEndLineCorners) {
            const QPoint at = (twips - QPoint(5940, 3600)) / 15;
            const QColor under = meanAround(end, at.x(), at.y(), 1);
            double nearest = 1e9;
            for (const tezzle::Player& player : tezzle::kPlayers)
                nearest = std::min(nearest, distance(under, qcolor(player.colour)));
            QVERIFY2(
                nearest < 80,
                qPrintable(
                    QStringLiteral("(%1, %2) is %3").arg(at.x()).arg(at.y()).arg(under.name())));
        }
    }

    void contactSheet() {
        writeContactSheet();
        QVERIFY(QFileInfo::exists(TEZZLE_BIN_DIR "/../contact-sheet.png"));
    }
};

QTEST_MAIN(TestAssetPictures)
#include "TestAssetPictures.moc"
