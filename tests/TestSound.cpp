// Cues through a real sound server: a private PulseAudio whose only sink writes what it plays,
// in real time, into a pipe that the test records. A cue is heard; a second cue cuts the first
// off; with no server the game is silent and says so once. And the cue files the player reads.

#include "ui/CuePlayer.h"
#include "ui/CueWav.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kRate = 44100;

std::vector<double> samples(const QString& file, qsizetype from = 0) {
    QFile f(file);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    std::vector<double> out;
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<std::int16_t>(static_cast<quint8>(bytes[i]) |
                                                (static_cast<quint8>(bytes[i + 1]) << 8)));
    return out;
}

double rms(const std::vector<double>& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(count));
}

// Where the first 20 ms of `cue` stand in `heard`, if they are there (in shape, whatever the
// volume); none when nothing in `heard` is alike enough.
std::optional<std::size_t> find(const std::vector<double>& heard, const std::vector<double>& cue) {
    const std::size_t n = std::min(cue.size(), kRate / 50);
    const double cueEnergy = rms(cue, 0, n);
    for (std::size_t i = 0; i + n < heard.size(); ++i) {
        double dot = 0;
        for (std::size_t k = 0; k < n; ++k)
            dot += heard[i + k] * cue[k];
        const double energy = rms(heard, i, n);
        if (energy > 0 && dot / (static_cast<double>(n) * energy * cueEnergy) > 0.8)
            return i;
    }
    return std::nullopt;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString server = QStandardPaths::findExecutable("pulseaudio");
        QVERIFY2(!server.isEmpty(), "pulseaudio is not installed (./build.sh test installs it)");
        const QString socket = runtime_.filePath("native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("HOME", runtime_.path());
        server_.setProcessEnvironment(env);
        server_.setStandardErrorFile(QProcess::nullDevice());
        // The sink first: once the socket is there, so is the sink.
        server_.start(server,
                      {"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--disable-shm=yes",
                       QString("--load=module-pipe-sink file=%1 sink_name=tezzle "
                               "format=s16le rate=44100 channels=1 "
                               "use_system_clock_for_timing=yes")
                           .arg(runtime_.filePath("sink")),
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        qputenv("SDL_AUDIODRIVER", "pulseaudio"); // never the machine's own sound card
    }

    void cleanupTestCase() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

    // A busy machine may drop a few milliseconds of what the server writes, which is the
    // machine's, not the game's: the pair is played up to three times and must come out whole once.
    void aCueSoundsAndTheNextCutsItOff() {
        tezzle::ui::SoundCuePlayer cues(TEZZLE_BIN_DIR "/data");
        cues.preload();
        const std::vector<double> gong = samples(TEZZLE_BIN_DIR "/data/wav/gong.wav", 44);
        const std::vector<double> click = samples(TEZZLE_BIN_DIR "/data/wav/click1.wav", 44);
        QString failed;
        for (int attempt = 0; attempt < 3; ++attempt) {
            QProcess recorder; // reads the sink's pipe as it is written
            recorder.setStandardOutputFile(runtime_.filePath("heard.raw"));
            recorder.start("cat", {runtime_.filePath("sink")});
            QVERIFY(recorder.waitForStarted());
            QTest::qWait(500);
            cues.play(tezzle::Cue::OutOfTime);
            QTest::qWait(400);
            cues.play(tezzle::Cue::TickBox); // 83 ms of sound: short cues are heard too
            QTest::qWait(1500);
            recorder.terminate();
            QVERIFY(recorder.waitForFinished(5000));

            const std::vector<double> heard = samples(runtime_.filePath("heard.raw"));
            const std::optional<std::size_t> gongAt = find(heard, gong);
            const std::optional<std::size_t> clickAt = find(heard, click);
            if (!gongAt || !clickAt || *clickAt <= *gongAt) {
                failed = "the gong, then the click, not heard";
                continue;
            }
            // Once the click is over, the gong, which would still ring loudly, is silent.
            const std::size_t after = *clickAt + kRate / 10;
            QVERIFY(rms(gong, after - *gongAt, kRate / 3) > 1000);
            if (rms(heard, after, kRate / 3) >= 50) {
                failed = "the gong rings on after the click";
                continue;
            }
            return;
        }
        QFAIL(qPrintable(failed));
    }

    void noServerIsSilenceSaidOnce() {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", ("unix:" + runtime_.filePath("nowhere")).toLocal8Bit());
        QFile said(runtime_.filePath("stderr"));
        QVERIFY(said.open(QIODevice::ReadWrite));
        std::fflush(stderr);
        const int standardError = dup(STDERR_FILENO);
        dup2(said.handle(), STDERR_FILENO);
        {
            tezzle::ui::SoundCuePlayer cues(TEZZLE_BIN_DIR "/data");
            cues.preload();
            for (const tezzle::Cue cue :
                 {tezzle::Cue::OutOfTime, tezzle::Cue::TickBox, tezzle::Cue::OutOfTime})
                cues.play(cue);
        } // once the device has been given up
        std::fflush(stderr);
        dup2(standardError, STDERR_FILENO);
        close(standardError);
        qputenv("PULSE_SERVER", server);
        said.close();
        QVERIFY(said.open(QIODevice::ReadOnly));
        const QByteArray text = said.readAll();
        QVERIFY2(text.count("tezzle: no sound") == 1, text.constData());
    }

    // Only our own format is read; anything else is refused, never misread as noise.
    void cueFilesAreReadStrictly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("samples"); // -1: refused
        auto wav = [](quint16 format, quint16 channels, quint32 rate, quint16 bits, QByteArray data,
                      QByteArray extra = {}) {
            QByteArray f = "RIFF....WAVE" + extra + "fmt " + QByteArray(20, 0) + "data" +
                           QByteArray(4, 0) + data;
            auto put = [&f](int at, quint32 v, int bytes) {
                for (int i = 0; i < bytes; ++i)
                    f[at + i] = char(v >> (8 * i));
            };
            const int fmt = 12 + int(extra.size());
            put(4, quint32(f.size() - 8), 4);
            put(fmt + 4, 16, 4);
            put(fmt + 8, format, 2);
            put(fmt + 10, channels, 2);
            put(fmt + 12, rate, 4);
            put(fmt + 16, rate * channels * bits / 8, 4);
            put(fmt + 20, channels * bits / 8, 2);
            put(fmt + 22, bits, 2);
            put(fmt + 28, quint32(data.size()), 4);
            return f;
        };
        const QByteArray pcm(200, 1);
        QTest::newRow("ours") << wav(1, 1, 44100, 16, pcm) << 100;
        QTest::newRow("after another chunk")
            << wav(1, 1, 44100, 16, pcm, QByteArray("LIST\1\0\0\0x\0", 10)) << 100;
        QTest::newRow("stereo") << wav(1, 2, 44100, 16, pcm) << -1;
        QTest::newRow("48 kHz") << wav(1, 1, 48000, 16, pcm) << -1;
        QTest::newRow("8-bit") << wav(1, 1, 44100, 8, pcm) << -1;
        QTest::newRow("floating point") << wav(3, 1, 44100, 16, pcm) << -1;
        QTest::newRow("cut short") << wav(1, 1, 44100, 16, pcm).chopped(1) << -1;
        QTest::newRow("no header") << pcm << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }

    void cueFilesAreReadStrictly() {
        QFETCH(QByteArray, file);
        QFETCH(int, samples);
        QFile out(runtime_.filePath("cue.wav"));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        const auto read = tezzle::ui::readCueWav(out.fileName().toStdString());
        QCOMPARE(read ? int(read->size()) : -1, samples);
        if (read)
            QVERIFY(std::all_of(read->begin(), read->end(), [](auto s) { return s == 0x0101; }));
    }

private:
    QTemporaryDir runtime_;
    QProcess server_;
};

QTEST_GUILESS_MAIN(TestSound)
#include "TestSound.moc"
