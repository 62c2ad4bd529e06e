// tezzle-sim as a developer runs it.

#include <QRegularExpression>
#include <QTest>

#include "ToolRun.h"

namespace {

ToolRun run(const QStringList& args) {
    return runTool("tezzle-sim", args);
}

// The summary without the speed, which differs from run to run.
QString withoutSpeed(const QString& line) {
    return QString(line).remove(QRegularExpression("  games/s \\d+\\s*$"));
}

} // namespace

class TestSimTool : public QObject {
    Q_OBJECT

private slots:
    void printsOneSummaryLine() {
        const ToolRun r = run({"--games", "40", "--players", "3", "--clock", "20", "--seed", "5"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        const QRegularExpression line(
            "^games 40  path (\\d+)  time (\\d+)  mean moves \\d+\\.\\d  wins Blue [\\d.]+% "
            "Red [\\d.]+% Green [\\d.]+%  violations 0  games/s \\d+\\n$");
        const QRegularExpressionMatch m = line.match(r.out);
        QVERIFY2(m.hasMatch(), qPrintable(r.out));
        QCOMPARE(m.captured(1).toInt() + m.captured(2).toInt(), 40);
        // One seed, one result.
        const ToolRun again =
            run({"--seed", "5", "--clock", "20", "--players", "3", "--games", "40"});
        QCOMPARE(withoutSpeed(again.out), withoutSpeed(r.out));
    }

    void bluePlaysAComputerStrategy() {
        const ToolRun r = run({"--games", "30", "--blue", "1", "--computer", "3"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(
            r.out.contains(QRegularExpression("wins Blue [\\d.]+% Red [\\d.]+%  violations 0")),
            qPrintable(r.out));
    }

    void refusesBadOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown option") << QStringList{"--fast"};
        QTest::newRow("missing value") << QStringList{"--games"};
        QTest::newRow("no games") << QStringList{"--games", "0"};
        QTest::newRow("five players") << QStringList{"--players", "5"};
        QTest::newRow("level 4") << QStringList{"--computer", "4"};
        QTest::newRow("negative seed") << QStringList{"--seed", "-1"};
        QTest::newRow("not a number") << QStringList{"--clock", "ten"};
        QTest::newRow("a computer with three players")
            << QStringList{"--players", "3", "--computer", "2"};
    }

    void refusesBadOptions() {
        QFETCH(QStringList, args);
        const ToolRun r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSimTool)
#include "TestSimTool.moc"
