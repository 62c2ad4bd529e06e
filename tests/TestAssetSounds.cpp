// Every sound cue the game names is made by the build as a WAV file any player can play:
// 16-bit PCM mono, long enough for the sound server to start it, audible, never clipping, and
// faded at both ends so nothing pops.

#include "core/Cues.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>

namespace {

// Each cue's shortest and longest length in seconds, by the cue table: the sound server starts
// a stream only once about a quarter of a second is buffered, so clicks end in silence to 0.3 s;
// the cheer, the gong and the crowd ring on; the rest are over within a second.
constexpr std::array<double, tezzle::kCueCount> kShortest{0.4, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3,
                                                          0.3, 0.3, 1,   0.3, 1,   1.5, 0.3};
constexpr std::array<double, tezzle::kCueCount> kLongest{1, 0.31, 0.31, 0.5, 0.5, 1, 1,
                                                         1, 1,    3,    1,   3,   3, 0.6};

} // namespace

class TestAssetSounds : public QObject {
    Q_OBJECT

private slots:
    void everyCueIsAPlayableWav_data() {
        QTest::addColumn<std::size_t>("cue"); // the row is named by its file
        for (std::size_t cue = 0; cue < tezzle::kCueFiles.size(); ++cue)
            QTest::newRow(tezzle::kCueFiles[cue].data()) << cue;
    }

    void everyCueIsAPlayableWav() {
        QFETCH(std::size_t, cue);
        QFile file(TEZZLE_BIN_DIR "/data/" + QString(QTest::currentDataTag()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        // The plainest form, which every player reads: a 16-byte "fmt " chunk of 16-bit PCM
        // mono, then the samples to the end of the file.
        QVERIFY(wav.size() > 44);
        const auto field = [&wav](int at, int bytes) -> qint64 { // little-endian
            return bytes == 2 ? qFromLittleEndian<quint16>(wav.data() + at)
                              : qFromLittleEndian<quint32>(wav.data() + at);
        };
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(field(4, 4), qint64(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(field(20, 2), 1LL); // PCM
        QCOMPARE(field(22, 2), 1LL); // mono
        const qint64 rate = field(24, 4);
        QVERIFY(rate == 44100 || rate == 22050);
        QCOMPARE(field(28, 4), 2 * rate); // bytes a second
        QCOMPARE(field(32, 2), 2LL);      // bytes a sample
        QCOMPARE(field(34, 2), 16LL);     // bits a sample
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(field(40, 4), qint64(wav.size() - 44));
        std::vector<int> s;
        for (qsizetype at = 44; at < wav.size(); at += 2)
            s.push_back(qFromLittleEndian<qint16>(wav.data() + at));
        const double seconds = static_cast<double>(s.size()) / rate;
        QVERIFY2(seconds >= kShortest[cue] && seconds <= kLongest[cue],
                 qPrintable(QString::number(seconds)));

        const auto peakOf = [](auto from, auto to) {
            return std::abs(*std::max_element(
                from, to, [](int a, int b) { return std::abs(a) < std::abs(b); }));
        };
        const int peak = peakOf(s.begin(), s.end());
        QVERIFY2(peak > 32768 / 10, "too quiet to hear");
        QVERIFY2(peak < 32766, "clips"); // the writer's limit: reaching it means cut off there

        // Faded in and out: the very ends are silent and the first and last few milliseconds
        // stay well under the peak, so starting or cutting a cue never clicks.
        QVERIFY(std::abs(s.front()) <= 2 && std::abs(s.back()) <= 2);
        const auto ms = rate / 1000;
        QVERIFY(peakOf(s.begin(), s.begin() + ms / 2) <= peak / 4);
        QVERIFY(peakOf(s.end() - 5 * ms, s.end()) <= peak / 4);
    }
};

QTEST_MAIN(TestAssetSounds)
#include "TestAssetSounds.moc"
