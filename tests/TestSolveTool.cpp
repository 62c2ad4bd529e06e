// tezzle-solve as a player runs it.

#include <QRegularExpression>
#include <QTest>

#include "ToolRun.h"

namespace {

ToolRun run(const QStringList& args) {
    return runTool("tezzle-solve", args);
}

} // namespace

class TestSolveTool : public QObject {
    Q_OBJECT

private slots:
    void listsEveryNumberInAscendingOrder() {
        const ToolRun r = run({"2", "3", "4", "6"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 50);
        int previous = 0;
        for (const QString& line : lines) {
            const QStringList parts = line.split(" = ");
            QCOMPARE(parts.size(), 2);
            const int n = parts[0].toInt();
            QVERIFY(n > previous && n <= 100);
            previous = n;
            QVERIFY(!parts[1].contains(QRegularExpression("[^1-6 +*/()-]")));
        }
        QVERIFY(r.out.contains(QRegularExpression("^26 = ", QRegularExpression::MultilineOption)));
        QVERIFY(!r.out.contains(QRegularExpression("^27 = ", QRegularExpression::MultilineOption)));
    }

    void refusesAnythingButFourDice_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("three") << QStringList{"1", "2", "3"};
        QTest::newRow("five") << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("a seven") << QStringList{"1", "2", "3", "7"};
        QTest::newRow("a zero") << QStringList{"0", "2", "3", "4"};
        QTest::newRow("negative") << QStringList{"-1", "2", "3", "4"};
        QTest::newRow("a fraction") << QStringList{"1.5", "2", "3", "4"};
        QTest::newRow("letters") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("a digit and more") << QStringList{"1x", "2", "3", "4"};
        QTest::newRow("empty") << QStringList{"", "2", "3", "4"};
    }

    void refusesAnythingButFourDice() {
        QFETCH(QStringList, args);
        const ToolRun r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("usage: tezzle-solve"));
    }
};

QTEST_GUILESS_MAIN(TestSolveTool)
#include "TestSolveTool.moc"
