// `cmake --install` into a temporary prefix gives a whole game: the program finds its data there
// whatever folder it is started from, its menu entry starts it, and the desktop's own
// validators accept its menu entry, metainfo and manual page.

#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kEntry = QStringLiteral("share/applications/" TEZZLE_APP_ID ".desktop");

struct Run {
    int exitCode = -1;
    QString out; // both streams together
};

Run run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool ended = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key in the menu entry.
QString desktopKey(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

// Every file under a folder, by its path inside it.
QStringList filesUnder(const QString& root) {
    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QTemporaryDir home; // no saved game of the developer's own, nor anything of the game
    QTemporaryDir lone; // the program alone, away from its data and sound module

    QString installed(const QString& path) const { return prefix.filePath(path); }
    QString entry() const { return readText(installed(kEntry)); }

private slots:
    void initTestCase() {
        QVERIFY(prefix.isValid() && home.isValid() && lone.isValid());
        const Run install = run(QStringLiteral(TEZZLE_CMAKE),
                                {"--install", TEZZLE_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out));
        QVERIFY(QDir().mkpath(lone.filePath("bin")));
        QVERIFY(QFile::copy(installed("bin/tezzle"), lone.filePath("bin/tezzle")));
    }

    void theDataFolderIsInstalledWhole() {
        const QStringList built = filesUnder(QStringLiteral(TEZZLE_BIN_DIR "/data"));
        QVERIFY(built.contains(QStringLiteral("connarray.dat")));
        QCOMPARE(filesUnder(installed("share/tezzle")), built);
    }

    void iconsAreInstalledAtTheirSizes() {
        const QString theme = installed("share/icons/hicolor/");
        const QString name = "/apps/" + desktopKey(entry(), "Icon");
        for (const QString folder : {"48x48", "64x64", "128x128", "256x256", "scalable"}) {
            const bool svg = folder == "scalable";
            const int size = svg ? 256 : folder.section('x', 0, 0).toInt();
            QImageReader reader(theme + folder + name + (svg ? ".svg" : ".png"));
            reader.setScaledSize(QSize(size, size));
            const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(icon.size() == QSize(size, size), qPrintable(folder + reader.errorString()));
            // Clear around the shapes, so it sits on any panel.
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
            QCOMPARE(icon.pixelColor(size / 2, size / 2).alpha(), 255);
        }
    }

    void validatorsAcceptTheDesktopFiles() {
        for (const QStringList& command :
             {QStringList{"desktop-file-validate", installed(kEntry)},
              QStringList{"appstreamcli", "validate", "--no-net",
                          installed("share/metainfo/" TEZZLE_APP_ID ".metainfo.xml")},
              QStringList{"groff", "-man", "-ww", "-z", installed("share/man/man6/tezzle.6")}}) {
            const Run check = run(command.front(), command.mid(1));
            // desktop-file-validate and groff say nothing when all is well; appstreamcli counts.
            QVERIFY2(check.exitCode == 0 &&
                         (command.front() == "appstreamcli" || check.out.trimmed().isEmpty()),
                     qPrintable(command.join(' ') + ": " + check.out));
        }
    }

    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // how its one answer, or the first line of it, starts
        QTest::addColumn<QString>("language");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "usage: tezzle ["
                                << "en";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "usage: tezzle ["
                            << "en";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Tezzle! "
                                   << "en";
        QTest::newRow("a value out of range") << QStringList{"--players=5"} << 2 << "tezzle: bad"
                                              << "en";
        QTest::newRow("a game, with no display")
            << QStringList{"--players", "2"} << 1 << "tezzle: no display"
            << "en";
        // The installed catalogues, found by the desktop's language.
        QTest::newRow("--help in German") << QStringList{"--help"} << 0 << "Aufruf: tezzle ["
                                          << "de";
        QTest::newRow("a value out of range in French")
            << QStringList{"--clock=3"} << 2 << "tezzle: valeur 3 incorrecte pour --clock"
            << "fr";
    }

    // Help and version need no window system; without one the game says so, without a core dump.
    void answersWithoutADisplay() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, language);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", language);
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(display);
        env.insert("HOME", home.path());
        QProcess game;
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(installed("bin/tezzle"), args);
        QVERIFY(game.waitForFinished(30000));
        const QString out = QString::fromUtf8(game.readAll());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), status);
        QVERIFY2(out.startsWith(said), qPrintable(out));
        if (status == 1)
            QCOMPARE(out.count('\n'), 1);
    }

    void startsFromAnyFolder_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("sound");        // whether the sound module is loaded
        QTest::addColumn<QByteArray>("script"); // played through the action hook
        // An Exec value as the desktop splits it: words, with double-quoted ones taken whole.
        QStringList exec;
        for (const QRegularExpressionMatch& m :
             QRegularExpression("\"((?:[^\"\\\\]|\\\\.)*)\"|(\\S+)")
                 .globalMatch(desktopKey(entry(), "Exec")))
            exec << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
        const QString game = installed("bin/tezzle");
        QCOMPARE(QFileInfo(exec.value(0)).canonicalFilePath(), QFileInfo(game).canonicalFilePath());
        QTest::newRow("the menu entry's command") << exec << "titleWindow" << true << QByteArray();
        // A game at once needs the board's adjacency file from the data folder.
        // The benchmarks' hook plays it, and reports.
        QTest::newRow("a game at once")
            << QStringList{game, "--players", "2", "--no-sound"} << "boardWindow" << false
            << QByteArray("click throwDiceButton\nname boardWindow/dieBox0\nclick nowhere\n");
        // Away from share/tezzle the title window tells why no game can be played: so the
        // game above did read the installed folder.
        QTest::newRow("without its data")
            << QStringList{lone.filePath("bin/tezzle"), "--players", "2", "--no-sound"}
            << "titleWindow" << false << QByteArray();
    }

    void startsFromAnyFolder() {
        QFETCH(QStringList, command);
        QFETCH(QString, window);
        QFETCH(bool, sound);
        QFETCH(QByteArray, script);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TEZZLE_REPORT_FIRST_PAINT", "1");
        env.insert("HOME", home.path());
        if (!env.contains("XDG_RUNTIME_DIR"))
            env.insert("XDG_RUNTIME_DIR", home.path());
        for (const char* xdg : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            env.remove(xdg);
        QProcess game;
        game.setWorkingDirectory(home.path());
        if (!script.isEmpty())
            env.insert("TEZZLE_ACTIONS", "1");
        game.setProcessEnvironment(env);
        game.start(command.front(), command.mid(1));
        game.write(script);
        // The program prints "first-paint <time> <window> <cpu>" once its first window is on
        // the screen, and then loads its sound module if the sound is on and it has one.
        QString out;
        const QRegularExpression firstPaint("(?:^|\n)(first-paint [^\n]*)\n");
        while (!firstPaint.match(out).hasMatch() && game.state() != QProcess::NotRunning &&
               game.waitForReadyRead(30000))
            out += QString::fromUtf8(game.readAllStandardOutput());
        const QStringList words = firstPaint.match(out).captured(1).split(' ');
        while (!script.isEmpty() && !out.contains("missing nowhere") &&
               game.waitForReadyRead(30000))
            out += QString::fromUtf8(game.readAllStandardOutput());
        const QString maps = QStringLiteral("/proc/%1/maps").arg(game.processId());
        // Loaded at once if at all: a module not there half a second later is not loaded.
        const bool loaded = QTest::qWaitFor(
            [&] { return readText(maps).contains("libtezzle-sound.so"); }, sound ? 5000 : 500);
        game.kill();
        game.waitForFinished();
        QVERIFY2(words.size() == 4 && words[0] == "first-paint", qPrintable(out));
        QCOMPARE(words[2], window);
        QVERIFY2(loaded == sound, sound ? "the sound module was not loaded after the first paint"
                                        : "the sound module was loaded with the sound off");
        if (!script.isEmpty())
            for (const char* report :
                 {"\ndid [0-9.]+ click throwDiceButton\n", "\nshown [0-9.]+ board [0-4]\n",
                  "\nname boardWindow/dieBox0 .+\n", "\nmissing nowhere\n"})
                QVERIFY2(("\n" + out).contains(QRegularExpression(report)),
                         qPrintable(report + out));
    }
};

QTEST_MAIN(TestInstall)
#include "TestInstall.moc"
