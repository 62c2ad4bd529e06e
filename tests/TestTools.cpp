// The command-line tools built beside the tests, run as a developer and a player run them.

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct ToolRun {
    int exitCode;
    QString out, err;
};

ToolRun run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TEZZLE_BIN_DIR "/") + tool, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestTools : public QObject {
    Q_OBJECT

private slots:
    // Blue may play a computer strategy too.
    void simPrintsOneSummaryLine() {
        const ToolRun r = run("tezzle-sim", {"--games", "40", "--computer", "3", "--blue", "1",
                                             "--clock", "20", "--seed", "5"});
        QVERIFY(r.exitCode == 0 && r.err.isEmpty());
        const QRegularExpression line(
            "^games 40  path (\\d+)  time (\\d+)  mean moves \\d+\\.\\d  "
            "wins Blue [\\d.]+% Red [\\d.]+%  violations 0  games/s \\d+\n$");
        const QRegularExpressionMatch m = line.match(r.out);
        QVERIFY2(m.hasMatch() && m.captured(1).toInt() + m.captured(2).toInt() == 40,
                 qPrintable(r.out));
    }

    // One expression of the dice per number made; 80 / 3 is no 27.
    void solveListsOneExamplePerNumber() {
        const ToolRun r = run("tezzle-solve", {"2", "3", "4", "6"});
        QVERIFY(r.exitCode == 0 && r.err.isEmpty());
        QVERIFY(QRegularExpression("^(\\d+ = [2346 +*/()-]+\n){50,}$").match(r.out).hasMatch());
        QVERIFY(r.out.startsWith("1 = ") && r.out.contains("\n26 = ") &&
                !r.out.contains("\n27 = "));
    }

    // Unknown options, bad values, anything but four dice 1 to 6: a message, and nothing else.
    void badArgumentsAreRefused() {
        for (const char* line : {"sim --fast", "sim --games", "sim --players 3 --computer 2",
                                 "solve 1 2 3", "solve 1 2 3 7", "solve 1x 2 3 4"}) {
            QStringList args = QString(line).split(' ');
            const ToolRun r = run("tezzle-" + args.takeFirst(), args);
            QVERIFY2(r.exitCode == 2 && r.out.isEmpty() && !r.err.isEmpty(), line);
        }
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "TestTools.moc"
