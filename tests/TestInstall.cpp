// `cmake --install` into a temporary prefix gives a whole game: the program finds its data there
// whatever folder it is started from, its menu entry starts it, and the desktop's own
// validators accept its menu entry, metainfo and manual page.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAppId = QStringLiteral(TEZZLE_APP_ID);

struct Run {
    int exitCode = -1;
    QString out;
};

// Runs a command to its end; the output of both streams together.
Run run(const QString& program, const QStringList& args, int timeoutMs = 120000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAll())};
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key in the [Desktop Entry] group.
QString desktopKey(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

// An Exec value as the desktop splits it: words, with double-quoted ones taken whole.
QStringList execWords(const QString& exec) {
    QStringList words;
    const QRegularExpression word(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"|(\\S+)"));
    for (const QRegularExpressionMatch& m : word.globalMatch(exec))
        words << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
    return words;
}

// Every file under a folder, by its path inside it.
QStringList filesUnder(const QString& root) {
    QStringList files;
    QDir dir(root);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (info.isDir()) {
            for (const QString& inner : filesUnder(info.filePath()))
                files << info.fileName() + QLatin1Char('/') + inner;
        } else {
            files << info.fileName();
        }
    }
    return files;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QTemporaryDir home;    // no saved game or high scores of the developer's own
    QTemporaryDir outside; // a working folder with nothing of the game in it

    QString installed(const QString& path) const { return prefix.filePath(path); }

    QProcessEnvironment gameEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TEZZLE_REPORT_FIRST_PAINT"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), home.path());
        if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const char* xdg : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            env.remove(QString::fromLatin1(xdg));
        return env;
    }

    struct Start {
        QString window;     // the first window painted
        bool sound = false; // the sound module was loaded after it
    };

    // Starts the game from the outside folder and tells which window it painted first and,
    // when asked, whether it then loaded its sound module.
    Start start(const QStringList& command, bool waitForSound) const {
        QProcess game;
        game.setProcessEnvironment(gameEnvironment());
        game.setWorkingDirectory(outside.path());
        game.start(command.front(), command.mid(1));
        QString out;
        // The program prints one line once its first window is on the screen.
        while (!out.contains(QLatin1Char('\n')) && game.state() != QProcess::NotRunning &&
               game.waitForReadyRead(30000))
            out += QString::fromUtf8(game.readAllStandardOutput());
        Start started;
        const QStringList words = out.split(QLatin1Char('\n')).front().split(QLatin1Char(' '));
        started.window = words.size() == 4 && words[0] == QLatin1String("first-paint")
                             ? words[2]
                             : QStringLiteral("no window (%1)").arg(out.trimmed());
        const QString maps = QStringLiteral("/proc/%1/maps").arg(game.processId());
        started.sound = waitForSound && QTest::qWaitFor([&] {
                            return readText(maps).contains(QLatin1String("libtezzle-sound.so"));
                        });
        game.kill();
        game.waitForFinished();
        return started;
    }

private slots:
    void initTestCase() {
        QVERIFY(prefix.isValid() && home.isValid() && outside.isValid());
        const Run install = run(QStringLiteral(TEZZLE_CMAKE),
                                {QStringLiteral("--install"), QStringLiteral(TEZZLE_BUILD_DIR),
                                 QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out));
    }

    void theDataFolderIsInstalledWhole() {
        const QStringList built = filesUnder(QStringLiteral(TEZZLE_BIN_DIR "/data"));
        QVERIFY(built.contains(QStringLiteral("connarray.dat")));
        QCOMPARE(filesUnder(installed(QStringLiteral("share/tezzle"))), built);
    }

    void iconsAreInstalledAtTheirSizes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        const QString icon =
            desktopKey(readText(installed("share/applications/" + kAppId + ".desktop")), "Icon");
        for (const int size : {48, 64, 128, 256})
            QTest::addRow("%d", size)
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon)
                << size;
        QTest::newRow("scalable")
            << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon) << 256;
    }

    void iconsAreInstalledAtTheirSizes() {
        QFETCH(QString, path);
        QFETCH(int, size);
        QImageReader reader(installed(path));
        reader.setScaledSize(QSize(size, size)); // the SVG is drawn at the largest PNG's size
        const QImage icon = reader.read();
        QVERIFY2(!icon.isNull(), qPrintable(path + ": " + reader.errorString()));
        QCOMPARE(icon.size(), QSize(size, size));
        // Clear around the shapes, so it sits on any panel.
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QVERIFY(icon.pixelColor(size / 2, size / 2).alpha() == 255);
        // Every size shows the one drawing: the largest PNG, scaled.
        const QImage largest =
            QImage(installed(QStringLiteral("share/icons/hicolor/256x256/apps/%1.png").arg(kAppId)))
                .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        const QImage same = icon.convertToFormat(QImage::Format_ARGB32);
        double sum = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb a = same.pixel(x, y);
                const QRgb b = largest.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        const double mean = sum / (4.0 * size * size);
        qInfo("mean difference from the largest PNG: %.2f", mean);
        QVERIFY2(mean < 3, qPrintable(QString::number(mean)));
    }

    void validatorsAcceptTheDesktopFiles_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("menu entry")
            << "desktop-file-validate"
            << QStringList{installed("share/applications/" + kAppId + ".desktop")};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{
                                         "validate", "--no-net",
                                         installed("share/metainfo/" + kAppId + ".metainfo.xml")};
        QTest::newRow("manual page")
            << "groff" << QStringList{"-man", "-ww", "-z", installed("share/man/man6/tezzle.6")};
    }

    void validatorsAcceptTheDesktopFiles() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        const Run check = run(program, args);
        QVERIFY2(check.exitCode == 0, qPrintable(program + ": " + check.out));
        // desktop-file-validate and groff say nothing when all is well; appstreamcli counts.
        QVERIFY2(program == QLatin1String("appstreamcli") || check.out.trimmed().isEmpty(),
                 qPrintable(check.out));
    }

    void theManualNamesEveryOption() {
        // A bad option ends the program with status 2 and its usage, which lists every option.
        const Run bad =
            run(installed(QStringLiteral("bin/tezzle")), {QStringLiteral("--no-such-option")});
        QCOMPARE(bad.exitCode, 2);
        const QString manual = readText(installed(QStringLiteral("share/man/man6/tezzle.6")));
        QStringList options;
        for (const QRegularExpressionMatch& m :
             QRegularExpression(QStringLiteral("\\s(--[a-z-]+)")).globalMatch(bad.out))
            options << m.captured(1);
        options.removeDuplicates();
        options.removeAll(QStringLiteral("--no-such-option"));
        QVERIFY2(options.contains(QStringLiteral("--players")), qPrintable(bad.out));
        for (QString option : options)
            QVERIFY2(manual.contains(option.replace(QLatin1String("-"), QLatin1String("\\-"))),
                     qPrintable(option));
    }

    void startsFromAnyFolder_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("window");
        const QString entry = readText(installed("share/applications/" + kAppId + ".desktop"));
        const QString game = installed(QStringLiteral("bin/tezzle"));
        QTest::newRow("the menu entry's command")
            << execWords(desktopKey(entry, "Exec")) << QStringLiteral("titleWindow");
        // A game at once needs the board's adjacency file from the data folder.
        QTest::newRow("a game at once")
            << QStringList{game, "--players", "2", "--no-sound"} << QStringLiteral("boardWindow");
    }

    void startsFromAnyFolder() {
        QFETCH(QStringList, command);
        QFETCH(QString, window);
        QVERIFY(!command.isEmpty());
        QCOMPARE(QFileInfo(command.front()).canonicalFilePath(),
                 QFileInfo(installed(QStringLiteral("bin/tezzle"))).canonicalFilePath());
        const Start started = start(command, true);
        QCOMPARE(started.window, window);
        QVERIFY2(started.sound, "the sound module was not loaded after the first paint");
    }

    void withoutItsDataNoGameStarts() {
        // The same program away from share/tezzle: the title window tells why no game can be
        // played, so the game above did read the installed folder. Without its sound module
        // it is silent.
        QTemporaryDir elsewhere;
        QVERIFY(QDir().mkpath(elsewhere.filePath(QStringLiteral("bin"))));
        const QString lone = elsewhere.filePath(QStringLiteral("bin/tezzle"));
        QVERIFY(QFile::copy(installed(QStringLiteral("bin/tezzle")), lone));
        QCOMPARE(start({lone, "--players", "2", "--no-sound"}, false).window,
                 QStringLiteral("titleWindow"));
    }
};

QTEST_MAIN(TestInstall)
#include "TestInstall.moc"
