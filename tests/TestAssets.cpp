// Every picture the game names is made by the build at its size, beside a companion drawn at
// twice the size; the counters lie on the board without a seam at both sizes, and each picture
// shows what a player expects there. Every sound cue is a WAV file any player plays. Writes
// build/board-with-counters.png to look at.

#include "core/Cues.h"
#include "core/Geometry.h"
#include "core/Tables.h"
#include "ui/CueFiles.h"
#include "ui/DataFolder.h"
#include "ui/Players.h"
#include "ui/Zones.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>

using namespace tezzle;

namespace {

const QString kData = QStringLiteral(TEZZLE_BIN_DIR "/data/");

QString str(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// A picture's file at the scale: at 2, its companion "Images/tezzle3@2x.bmp".
QString atScale(QString path, int scale) {
    return scale == 1 ? path
                      : path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QImage load(const QString& path, int scale = 1) {
    QImage image = QImage(kData + atScale(path, scale)).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1); // worked on pixel by pixel, not drawn for a screen
    return image;
}

// Mean colour of the square of side 2 * half + 1 around p.
QColor meanAround(const QImage& image, QPoint p, int half) {
    return image.copy(p.x() - half, p.y() - half, 2 * half + 1, 2 * half + 1)
        .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .pixelColor(0, 0);
}

double distance(const QColor& a, const QColor& b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// The zone colour nearest c in hue, which shading leaves alone.
QColor nearestZoneHue(const QColor& c) {
    const auto from = [&c](const ui::ZoneLook& zone) {
        const double h = std::abs(c.hsvHueF() - qcolor(zone.colour).hsvHueF());
        return std::min(h, 1.0 - h);
    };
    return qcolor(std::min_element(ui::kZoneLooks.begin(), ui::kZoneLooks.end(),
                                   [&](const ui::ZoneLook& a, const ui::ZoneLook& b) {
                                       return from(a) < from(b);
                                   })
                      ->colour);
}

// Whose counters there are, by code and colour: the players', and the white one that flashes.
std::vector<std::pair<QString, QColor>> wearers() {
    std::vector<std::pair<QString, QColor>> all;
    for (const ui::PlayerLook& player : ui::kPlayerLooks)
        all.push_back({str(player.counterCode), qcolor(player.colour)});
    all.push_back({QStringLiteral("wh"), Qt::white});
    return all;
}

QString counterFile(const ui::ZoneLook& zone, const QString& who, bool prime) {
    return QStringLiteral("counters/%1%2%3.bmp").arg(str(zone.code), who).arg(prime ? 2 : 1);
}

std::vector<std::pair<QString, QSize>> everyPicture() {
    std::vector<std::pair<QString, QSize>> all{
        {"Images/tezzle3.bmp", {800, 600}},      {"Images/tezzlemd.bmp", {320, 240}},
        {"Images/logo2.jpg", {100, 139}},        {"images/start.jpg", {189, 235}},
        {"images/board.jpg", {399, 248}},        {"images/tezzle.jpg", {166, 188}},
        {"images/doubletezzle.jpg", {217, 190}}, {"images/end.jpg", {397, 248}},
    };
    for (const ui::ZoneLook& zone : ui::kZoneLooks) {
        all.push_back({QStringLiteral("Balls/%1ball.bmp").arg(str(zone.code)), {56, 56}});
        for (const bool prime : {false, true})
            for (const auto& [code, colour] : wearers())
                all.push_back({counterFile(zone, code, prime), {32, 32}});
    }
    return all;
}

// Mean difference of a colour channel between a and b moved by shift, away from the edges.
double meanDifference(const QImage& a, const QImage& b, QPoint shift) {
    const QRect inner = a.rect().adjusted(1, 1, -1, -1);
    const QImage p = a.copy(inner);
    const QImage q = b.copy(inner.translated(shift));
    double sum = 0;
    for (qsizetype i = 0; i < p.sizeInBytes(); ++i)
        sum += std::abs(p.constBits()[i] - q.constBits()[i]);
    return sum / (0.75 * static_cast<double>(p.sizeInBytes())); // RGB32's fourth byte is 255
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void everyPictureAndItsCompanion_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const auto& [path, size] : everyPicture())
            QTest::newRow(qPrintable(path)) << path << size;
    }

    void everyPictureAndItsCompanion() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        std::array<QImage, 3> at; // by scale
        for (const int scale : {1, 2}) {
            QImageReader reader(kData + atScale(path, scale));
            // The game loads these by name: the file must hold what its extension says.
            QCOMPARE(reader.format(), QByteArray(path.endsWith(".jpg") ? "jpeg" : "bmp"));
            at[scale] = reader.read().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(at[scale].size() == scale * size, qPrintable(reader.errorString()));
            // The game's own reader sees every pixel as Qt's does (the scale it sets apart).
            QImage own = ui::DataFolder::readImage(kData + atScale(path, scale));
            own.setDevicePixelRatio(at[scale].devicePixelRatio());
            QCOMPARE(own.convertToFormat(QImage::Format_RGB32), at[scale]);
        }
        // The same drawing, finer: halved, it is the 1x picture up to anti-aliasing, hinting
        // and JPEG noise, and it fits it best where it stands, not a pixel to any side.
        const QImage halved = at[2].scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double here = meanDifference(at[1], halved, {0, 0});
        QVERIFY2(here < 12, qPrintable(QString::number(here)));
        for (const QPoint shift : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            QVERIFY2(here < meanDifference(at[1], halved, shift), "fits better a pixel aside");
    }

    // A picture whose file was changed by hand reads as Qt reads it, or not at all.
    void anOddPictureReadsAsQtReadsIt_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("put"); // over the bytes from there on; none: cut there
        QTest::newRow("run-length compressed") << 30 << QByteArray(1, 1);
        QTest::newRow("rows top down") << 22 << QByteArray("\xE0\xFF\xFF\xFF"); // height -32
        QTest::newRow("8 bits a pixel") << 28 << QByteArray(1, 8);
        QTest::newRow("cut in the header") << 20 << QByteArray();
    }

    void anOddPictureReadsAsQtReadsIt() {
        QFETCH(int, at);
        QFETCH(QByteArray, put);
        QFile file(kData + "counters/blbl1.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.mid(18, 8) == QByteArray::fromHex("2000000020000000")); // 32 x 32
        put.isEmpty() ? bytes.truncate(at) : void(bytes.replace(at, put.size(), put));
        const QString odd = QDir(QDir::tempPath()).filePath("tezzle-odd.bmp");
        QFile out(odd);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        QCOMPARE(ui::DataFolder::readImage(odd).convertToFormat(QImage::Format_RGB32),
                 QImageReader(odd, "bmp").read().convertToFormat(QImage::Format_RGB32));
        QFile::remove(odd);
    }

    void countersLieOnTheirHexagons_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }

    // A BMP has no transparency, so each counter picture carries the hexagon around its disc:
    // laid on the board at its place (twice its place at 2x) on any hexagon, its edge must be
    // the very pixels of the board beneath, and its disc centred on the hexagon.
    void countersLieOnTheirHexagons() {
        QFETCH(int, scale);
        const QImage board = load("Images/tezzle3.bmp", scale);
        const int size = 32 * scale;
        QImage covered = board; // as at the end of a long game, to look at
        QPainter painter(&covered);
        for (int n = kFirstNumber; n <= kLastNumber; ++n) {
            const ui::ZoneLook& zone = ui::zoneLookOf(n);
            const geometry::Pixel pixel = geometry::toPixels(geometry::counterPosition(n));
            const QPoint at = QPoint(pixel.x, pixel.y) * scale;
            const geometry::Point twips = geometry::hexagonCentre(n);
            const QPointF centre = QPointF(twips.x, twips.y) / 15.0; // in the board's pixels
            // Uncovered, the hexagon's face beside its well wears its zone's colour.
            const QColor face =
                meanAround(board, (centre + QPointF(21, 0)).toPoint() * scale, scale);
            QCOMPARE(nearestZoneHue(face), qcolor(zone.colour));
            const auto who = wearers();
            std::vector<QImage> counters;
            for (const auto& [code, colour] : who)
                counters.push_back(load(counterFile(zone, code, isPrime(n)), scale));
            for (std::size_t w = 0; w < who.size(); ++w) {
                double seam = 0;
                QPointF sum; // of the disc: the pixels where the next wearer's counter differs
                int disc = 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x) {
                        const QColor c = counters[w].pixel(x, y);
                        if (x == 0 || y == 0 || x == size - 1 || y == size - 1)
                            seam = std::max(seam, distance(c, board.pixel(at + QPoint(x, y))));
                        if (distance(c, counters[(w + 1) % who.size()].pixel(x, y)) > 60) {
                            sum += QPointF(x + 0.5, y + 0.5);
                            ++disc;
                        }
                    }
                // Rounding to whole pixels moves a counter up to half a pixel each way (hexagon
                // 100's, a pixel right of the rule). The colours lie far enough apart that near
                // its own, a counter is told from the others at once.
                const double off = QLineF((at + sum / disc) / scale, centre).length();
                const QColor middle = meanAround(counters[w], QPoint(19, 19) * scale, 2 * scale);
                QVERIFY2(
                    seam < 3 && disc > 250 * scale * scale && off < 1.6 &&
                        distance(middle, who[w].second) < 80,
                    qPrintable(QString::asprintf("%s on %d: seam %.1f, disc %d off by %.2f, %s",
                                                 qPrintable(who[w].first), n, seam, disc, off,
                                                 qPrintable(middle.name()))));
            }
            painter.drawImage(at, counters[static_cast<std::size_t>(n) % who.size()]);
        }
        painter.end();
        if (scale == 1)
            QVERIFY(covered.save(TEZZLE_BIN_DIR "/../board-with-counters.png"));
    }

    void everyCueIsAPlayableWav_data() {
        QTest::addColumn<QString>("file");
        for (std::string_view file : ui::kCueFiles)
            QTest::newRow(file.data()) << str(file);
    }

    // A WAV any player reads, long enough for the sound server to start it (it waits for about a
    // quarter of a second), audible, never clipping, and faded at both ends so that starting or
    // cutting a cue never clicks.
    void everyCueIsAPlayableWav() {
        QFETCH(QString, file);
        QFile f(kData + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray wav = f.readAll();
        QVERIFY(wav.size() > 44);
        // The plainest header, which every player reads: PCM (1), mono (1), 16 bits a sample.
        QCOMPARE(wav.left(4) + wav.mid(8, 8) + wav.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        QCOMPARE(wav.mid(20, 4) + wav.mid(34, 2), QByteArray("\1\0\1\0\x10\0", 6));
        const quint32 rate = qFromLittleEndian<quint32>(wav.data() + 24);
        QVERIFY(rate == 44100 || rate == 22050);
        std::vector<int> s;
        for (qsizetype at = 44; at < wav.size(); at += 2)
            s.push_back(qFromLittleEndian<qint16>(wav.data() + at));
        const double seconds = static_cast<double>(s.size()) / rate;
        QVERIFY2(seconds >= 0.3 && seconds <= 3, qPrintable(QString::number(seconds)));
        const auto peakOf = [](auto from, auto to) {
            return std::abs(*std::max_element(
                from, to, [](int a, int b) { return std::abs(a) < std::abs(b); }));
        };
        const int peak = peakOf(s.begin(), s.end());
        QVERIFY2(peak > 32768 / 10 && peak < 32766, "too quiet, or cut off at the limit");
        const auto ms = rate / 1000;
        QVERIFY(std::abs(s.front()) <= 2 && std::abs(s.back()) <= 2);
        QVERIFY(peakOf(s.begin(), s.begin() + ms / 2) <= peak / 4);
        QVERIFY(peakOf(s.end() - 5 * ms, s.end()) <= peak / 4);
    }
};

QTEST_MAIN(TestAssets)
#include "TestAssets.moc"
