// Every sound cue the game names is made by the build as a WAV file any player can play:
// 16-bit PCM mono, short, audible, never clipping, faded at both ends so nothing pops. Writes
// build/sound-sheet.png (each cue's waveform and spectrogram) to look at.

#include "core/Cues.h"

#include <QFile>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <complex>
#include <cstdint>

namespace {

const QString kData = QStringLiteral(TEZZLE_BIN_DIR "/data/");

struct Wav {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
    QString error; // empty when the file parsed
    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

// Walks the RIFF chunks as a player would: "fmt " and "data" anywhere, others skipped.
Wav parse(const QByteArray& file) {
    Wav wav;
    if (file.size() < 12 || file.left(4) != "RIFF" || file.mid(8, 4) != "WAVE") {
        wav.error = "not a RIFF WAVE file";
        return wav;
    }
    if (le(file, 4, 4) + 8 != static_cast<std::uint32_t>(file.size()))
        wav.error = "RIFF size does not match the file";
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = le(file, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > file.size()) {
            wav.error = "chunk " + QString::fromLatin1(id) + " runs past the end";
            return wav;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<int>(le(file, body, 2));
            wav.channels = static_cast<int>(le(file, body + 2, 2));
            wav.rate = static_cast<int>(le(file, body + 4, 4));
            wav.bits = static_cast<int>(le(file, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(le(file, body + i, 2)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        wav.error = "no fmt or no data chunk";
    return wav;
}

Wav load(const QString& path) {
    QFile f(kData + path);
    if (!f.open(QIODevice::ReadOnly)) {
        Wav missing;
        missing.error = "cannot open " + path;
        return missing;
    }
    return parse(f.readAll());
}

int peakOf(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return peak;
}

// Bounds on each cue's length in seconds: clicks are brief (but last 0.3 s, the rest silence, or
// the sound server would never start them), the gong rings, the crowd and the cheer last
// longest; all but those three end within a second.
struct Bounds {
    double shortest;
    double longest;
};
constexpr std::array<Bounds, tezzle::kCueCount> kBounds{{
    {0.4, 0.999},  // cupdice
    {0.3, 0.31},   // click1
    {0.3, 0.31},   // click
    {0.3, 0.5},    // space
    {0.3, 0.5},    // key
    {0.3, 0.999},  // boom
    {0.3, 0.999},  // subping
    {0.15, 0.999}, // laser3
    {0.3, 0.999},  // cash
    {1.0, 3.0},    // cheer2
    {0.2, 0.999},  // boink
    {1.0, 3.0},    // gong
    {1.5, 3.0},    // crowd
    {0.3, 0.6},    // tink
}};

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * M_PI / static_cast<double>(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (std::size_t k = 0; k < len / 2; ++k, wk *= w) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// One row per cue: its name and length, the waveform's envelope, and a spectrogram from 0 to
// 11 kHz (bottom to top), each across the full width whatever the cue's length.
void writeSoundSheet() {
    constexpr int kRow = 96;
    constexpr int kWidth = 600;
    QImage sheet(kWidth + 150, kRow * tezzle::kCueCount + 10, QImage::Format_RGB32);
    sheet.fill(QColor(24, 24, 30));
    QPainter p(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    p.setFont(font);
    for (int c = 0; c < tezzle::kCueCount; ++c) {
        const std::string_view name = tezzle::kCueFiles[static_cast<std::size_t>(c)];
        const Wav wav = load(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        const int top = 5 + c * kRow;
        p.setPen(Qt::white);
        p.drawText(QPoint(5, top + 16),
                   QString::fromLatin1(name.data() + 4, static_cast<qsizetype>(name.size() - 8)));
        p.drawText(QPoint(5, top + 34), QStringLiteral("%1 s").arg(wav.seconds(), 0, 'f', 2));
        if (!wav.error.isEmpty() || wav.rate == 0)
            continue;
        const double perColumn = static_cast<double>(wav.samples.size()) / kWidth;
        // Envelope, 30 pixels high, in green.
        for (int x = 0; x < kWidth; ++x) {
            const auto from = static_cast<std::size_t>(x * perColumn);
            const auto to = static_cast<std::size_t>((x + 1) * perColumn);
            if (from >= wav.samples.size())
                break;
            const int h = peakOf(wav.samples, from, to) * 15 / 32768;
            p.setPen(QColor(90, 230, 120));
            p.drawLine(140 + x, top + 16 - h, 140 + x, top + 16 + h);
        }
        // Spectrogram, 60 pixels high: 1024-point windows, brightness by level in decibels.
        constexpr int kFrame = 1024;
        for (int x = 0; x < kWidth; ++x) {
            const auto centre = static_cast<std::size_t>((x + 0.5) * perColumn);
            if (centre >= wav.samples.size())
                break;
            std::vector<std::complex<double>> frame(kFrame);
            for (int i = 0; i < kFrame; ++i) {
                const long at = static_cast<long>(centre) - kFrame / 2 + i;
                const double s = at >= 0 && at < static_cast<long>(wav.samples.size())
                                     ? wav.samples[static_cast<std::size_t>(at)] / 32768.0
                                     : 0.0;
                frame[static_cast<std::size_t>(i)] =
                    s * (0.5 - 0.5 * std::cos(2 * M_PI * i / kFrame));
            }
            fft(frame);
            for (int y = 0; y < 60; ++y) {
                const double hz = 11000.0 * (y + 0.5) / 60.0;
                const auto bin = static_cast<std::size_t>(hz * kFrame / wav.rate);
                const double db = 20 * std::log10(std::abs(frame[bin]) + 1e-9);
                const int v = std::clamp(static_cast<int>((db + 40) * 255 / 70), 0, 255);
                sheet.setPixelColor(140 + x, top + 92 - y, QColor(v, v * 3 / 4, 255 - v / 2));
            }
        }
    }
    p.end();
    sheet.save(QStringLiteral(TEZZLE_BIN_DIR "/../sound-sheet.png"));
}

} // namespace

class TestAssetSounds : public QObject {
    Q_OBJECT

private slots:
    void everyCueIsAPlayableWav_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        for (int c = 0; c < tezzle::kCueCount; ++c) {
            const std::string_view name = tezzle::kCueFiles[static_cast<std::size_t>(c)];
            const Bounds b = kBounds[static_cast<std::size_t>(c)];
            QTest::newRow(name.data())
                << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))
                << b.shortest << b.longest;
        }
    }

    void everyCueIsAPlayableWav() {
        QFETCH(QString, path);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const Wav wav = load(path);
        QVERIFY2(wav.error.isEmpty(), qPrintable(wav.error));
        QCOMPARE(wav.format, 1); // PCM
        QCOMPARE(wav.channels, 1);
        QCOMPARE(wav.bits, 16);
        QVERIFY(wav.rate == 44100 || wav.rate == 22050);
        QVERIFY2(wav.seconds() >= shortest && wav.seconds() <= longest,
                 qPrintable(QString::number(wav.seconds())));

        const int peak = peakOf(wav.samples, 0, wav.samples.size());
        QVERIFY2(peak > 32768 / 10, "too quiet to hear");
        QVERIFY2(peak < 32767, "clips");

        // Faded in and out: the very ends are silent and the first and last few milliseconds
        // stay well under the peak, so starting or cutting a cue never clicks.
        QVERIFY(std::abs(wav.samples.front()) <= 2);
        QVERIFY(std::abs(wav.samples.back()) <= 2);
        const auto ms = static_cast<std::size_t>(wav.rate / 1000);
        QVERIFY(peakOf(wav.samples, 0, ms / 2) <= peak / 4);
        QVERIFY(peakOf(wav.samples, wav.samples.size() - 5 * ms, wav.samples.size()) <= peak / 4);
    }

    void damagedFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray good;
        {
            QFile f(kData + "wav/click.wav");
            QVERIFY(f.open(QIODevice::ReadOnly));
            good = f.readAll();
        }
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
        QByteArray noData = good;
        noData.replace(36, 4, "junk");
        QTest::newRow("no data chunk") << noData;
    }

    void damagedFilesAreRefused() {
        // The checks above are only as good as the reader: it must tell a damaged file.
        QFETCH(QByteArray, bytes);
        QVERIFY(!parse(bytes).error.isEmpty());
    }

    void soundSheet() {
        writeSoundSheet();
        QVERIFY(QFile::exists(TEZZLE_BIN_DIR "/../sound-sheet.png"));
    }
};

QTEST_MAIN(TestAssetSounds)
#include "TestAssetSounds.moc"
