// The high score tables: entering a score, typed names as the file keeps them, reading files.

#include "files/HighScores.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Both tables, and the unused row, hold 900, 700, 500, 300, 100 under the names "P<score>".
struct Table {
    tezzle::HighNames names{};
    tezzle::HighScores scores{};
    Table() {
        for (int row = 0; row <= 10; ++row) {
            scores[row] = static_cast<std::int16_t>(900 - row % 5 * 200);
            names[row] = "P" + std::to_string(scores[row]);
        }
    }
};

} // namespace

class TestHighScores : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A score above a table's last enters it, below any equal score; the rows under it move
    // down with their names, and the new row keeps its old name until the player types one.
    void enteringAScore_data() {
        QTest::addColumn<bool>("againstComputer");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("position"); // in the table, 0 when not entered
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("below an equal score")
            << false << 500 << 4 << QList{900, 700, 500, 500, 300};
        QTest::newRow("equal to the last") << false << 100 << 0 << QList{900, 700, 500, 300, 100};
        QTest::newRow("last") << false << 101 << 5 << QList{900, 700, 500, 300, 101};
        QTest::newRow("against the computer") << true << 800 << 2 << QList{900, 800, 700, 500, 300};
    }

    void enteringAScore() {
        QFETCH(bool, againstComputer);
        QFETCH(int, score);
        QFETCH(int, position);
        QFETCH(QList<int>, after);
        const int first = againstComputer ? 5 : 0;
        Table t;
        const Table before;
        const int got = tezzle::checkhighscore(t.names, t.scores, againstComputer,
                                               static_cast<std::int16_t>(score));
        QCOMPARE(got, position == 0 ? 0 : first + position);
        for (int row = 0; row <= 10; ++row) {
            const bool mine = row >= first && row < first + 5;
            QCOMPARE(int(t.scores[row]), mine ? after[row - first] : before.scores[row]);
            QCOMPARE(t.names[row],
                     row == got - 1 ? before.names[row] : "P" + std::to_string(t.scores[row]));
        }
    }

    // A typed name goes into the new row and the file, and reads back as the table keeps it.
    void namesAsTheFileKeepsThem_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("line"); // the file's first
        const auto row = [](const char* name, const QByteArray& typed, const QByteArray& line) {
            QTest::newRow(name) << typed << line + ",1000\r\n";
        };
        row("accents", "Zoë Ångström", "\"Zoë Ångström\"");
        row("controls", QByteArray("\va\ng\0h\x7Fz", 8), "\"a g h z\"");
        row("C1 controls", "a\xC2\x85z\xC2\x9F", "\"a z\"");
        row("blanks at the ends", "  Bo  ", "\"Bo\"");
        row("a blank where it is cut", "abcdefghijklmnopqrs tuvw", "\"abcdefghijklmnopqrs\"");
        row("accents over the limit", QString(25, QChar(0xE9)).toUtf8(),
            "\"" + QString(20, QChar(0xE9)).toUtf8() + "\"");
    }

    void namesAsTheFileKeepsThem() {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, line);
        const std::string path = dir.filePath("highscores.txt").toStdString();
        Table t;
        const auto position = tezzle::checkhighscore(t.names, t.scores, false, 1000);
        QVERIFY(
            tezzle::storeHighScoreName(path, t.names, t.scores, position, typed.toStdString()).ok);
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), line);
        Table back;
        QVERIFY(tezzle::readHighScores(path, back.names, back.scores).complete &&
                back.names == t.names);
        // Without a new row there is nothing to name, and nothing is written.
        QVERIFY(!tezzle::storeHighScoreName(path + ".none", t.names, t.scores, 0, "x").ok);
        QVERIFY(!QFile::exists(QString::fromStdString(path + ".none")));
    }

    // Rows are read up to the first damaged one; it and those after keep what the table held.
    void readingAFile_data() {
        QTest::addColumn<QByteArray>("bytes"); // "-": no file at all
        QTest::addColumn<int>("rowsRead");
        QTest::addColumn<QByteArray>("firstName");
        QByteArray rest; // rows 2 to 10
        for (int i = 1; i < 10; ++i)
            rest += "N" + QByteArray::number(i) + "\n" + QByteArray::number(10 - i) + "\n";
        const auto row = [](const char* name, const QByteArray& bytes, int rowsRead,
                            const QByteArray& firstName) {
            QTest::newRow(name) << bytes << rowsRead << firstName;
        };
        row("unquoted, a field a line", "N0\n10\n" + rest, 10, "N0");
        row("all on one line", "\"A, the first\",10,B,9,C,8,D,7,E,6,F,5,G,4,H,3,I,2,J,1", 10,
            "A, the first");
        row("blanks and blank lines",
            " \"A\" , 10\r\n\r\n" + QByteArray(rest).replace("\n", "\r\n"), 10, "A");
        row("a long name edited by hand", "\"" + QByteArray(300, 'x') + "\",10\n" + rest, 10,
            QByteArray(tezzle::kMaxNameReadLength, 'x'));
        row("no file", "-", 0, "P900");
        row("a score in letters", "A,1\nB,many\n", 1, "A");
        row("a score too large", "A,40000\n", 0, "P900");
        row("an open quote", "A,1\n\"B,2\n\"C\",3\n", 1, "A");
        row("cut in a name", "A,1\n\"B", 1, "A");
        row("text after a quote", "\"A\"x,1\n", 0, "P900");
        // Cut at 64 KiB, the first row would read as "x…",327.
        row("larger than 64 KiB",
            "\"" + QByteArray(64 * 1024 - 6, 'x') + "\",32767\r\n" + QByteArray(9, '\n'), 0,
            "P900");
    }

    void readingAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rowsRead);
        QFETCH(QByteArray, firstName);
        QFile file(dir.filePath(QTest::currentDataTag()));
        if (bytes != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        Table t;
        const Table before;
        const auto read = tezzle::readHighScores(file.fileName().toStdString(), t.names, t.scores);
        QCOMPARE(read.rowsRead, rowsRead);
        QCOMPARE(read.complete && read.error.empty(), rowsRead == 10);
        QCOMPARE(t.names[0], firstName.toStdString());
        for (int row = rowsRead; row <= 10; ++row)
            QVERIFY(t.names[row] == before.names[row] && t.scores[row] == before.scores[row]);
    }
};

QTEST_GUILESS_MAIN(TestHighScores)
#include "TestHighScores.moc"
