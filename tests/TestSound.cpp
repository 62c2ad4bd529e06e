// Cues through a real sound server: a private PulseAudio whose only sink writes what it plays,
// in real time, into a pipe that the test records. A cue is heard; a second cue cuts the first
// off.

#include "core/Cues.h"
#include "ui/CuePlayer.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 44100;

std::vector<double> samples(const QByteArray& bytes, qsizetype from = 0) {
    std::vector<double> out;
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<std::int16_t>(static_cast<quint8>(bytes[i]) |
                                                (static_cast<quint8>(bytes[i + 1]) << 8)));
    return out;
}

std::vector<double> wav(const char* name) {
    QFile f(QStringLiteral(TEZZLE_BIN_DIR "/data/wav/%1.wav").arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? samples(f.readAll(), 44) : std::vector<double>{};
}

double rms(const std::vector<double>& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(count));
}

// Where the first 20 ms of `needle` stand in `hay`, and how alike they are there (1 = the same
// shape, whatever the volume).
std::pair<std::size_t, double> find(const std::vector<double>& hay,
                                    const std::vector<double>& needle) {
    const std::size_t n = std::min<std::size_t>(needle.size(), kRate / 50);
    double needleEnergy = 0;
    for (std::size_t k = 0; k < n; ++k)
        needleEnergy += needle[k] * needle[k];
    std::pair<std::size_t, double> best{0, 0.0};
    for (std::size_t i = 0; i + n < hay.size(); ++i) {
        double dot = 0;
        double energy = 0;
        for (std::size_t k = 0; k < n; ++k) {
            dot += hay[i + k] * needle[k];
            energy += hay[i + k] * hay[i + k];
        }
        const double alike = energy > 0 ? dot / std::sqrt(energy * needleEnergy) : 0;
        if (alike > best.second)
            best = {i, alike};
    }
    return best;
}

// Real time in a real event loop: the audio back end feeds the server from its timers.
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        QVERIFY2(!server.isEmpty(), "pulseaudio is not installed (./build.sh test installs it)");
        QVERIFY(runtime_.isValid());
        const QString socket = runtime_.filePath(QStringLiteral("native"));
        pipe_ = runtime_.filePath(QStringLiteral("sink"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.insert(QStringLiteral("HOME"), runtime_.path());
        server_.setProcessEnvironment(env);
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start(server,
                      {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--disable-shm=yes"),
                       // the sink first: once the socket is there, so is the sink
                       QStringLiteral("--load=module-pipe-sink file=%1 sink_name=tezzle "
                                      "format=s16le rate=44100 channels=1 "
                                      "use_system_clock_for_timing=yes")
                           .arg(pipe_),
                       QStringLiteral("--load=module-native-protocol-unix socket=%1 "
                                      "auth-anonymous=1")
                           .arg(socket)});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    }

    void cleanupTestCase() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

    void aCueSoundsAndTheNextCutsItOff() {
        QProcess recorder; // reads the sink's pipe as it is written
        const QString recording = runtime_.filePath(QStringLiteral("heard.raw"));
        recorder.setStandardOutputFile(recording);
        recorder.start(QStringLiteral("cat"), {pipe_});
        QVERIFY(recorder.waitForStarted());
        tezzle::ui::SoundCuePlayer cues(QStringLiteral(TEZZLE_BIN_DIR "/data"));
        cues.preload();
        wait(500);
        cues.play(tezzle::Cue::Gong);
        wait(400);
        cues.play(tezzle::Cue::Click1);
        wait(1500);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished(5000));

        QFile file(recording);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::vector<double> heard = samples(file.readAll());
        const std::vector<double> gong = wav("gong");
        const std::vector<double> click = wav("click1");
        QVERIFY(!gong.empty() && !click.empty());
        const auto [gongAt, gongAlike] = find(heard, gong);
        QVERIFY2(gongAlike > 0.8, qPrintable(QString::number(gongAlike)));
        const auto [clickAt, clickAlike] = find(heard, click);
        QVERIFY2(clickAlike > 0.8 && clickAt > gongAt, qPrintable(QString::number(clickAlike)));
        // Once the click is over, the gong, which would still ring loudly, is silent.
        const std::size_t after = clickAt + click.size() + kRate / 20;
        QVERIFY(rms(gong, after - gongAt, kRate / 3) > 1000);
        QVERIFY2(rms(heard, after, kRate / 3) < 50,
                 qPrintable(QString::number(rms(heard, after, kRate / 3))));
    }

private:
    QTemporaryDir runtime_;
    QProcess server_;
    QString pipe_;
};

QTEST_GUILESS_MAIN(TestSound)
#include "TestSound.moc"
