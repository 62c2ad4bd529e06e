// The high score tables: entering a score, the file's form, names of every kind.

#include "files/HighScores.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tezzle::HighNames;
using tezzle::HighScores;

namespace {

struct Table {
    HighNames names{};
    HighScores scores{};
};

Table fiveRows(int first, std::array<int, 5> values) {
    Table t;
    for (int i = 0; i < 5; ++i) {
        t.names[first + i] = "P" + std::to_string(values[i]);
        t.scores[first + i] = static_cast<std::int16_t>(values[i]);
    }
    return t;
}

QList<int> scoresOf(const Table& t, int first) {
    QList<int> out;
    for (int i = first; i < first + 5; ++i)
        out << t.scores[i];
    return out;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestHighScores : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string path(const char* name = "highscores.txt") const {
        return dir.filePath(name).toStdString();
    }

private slots:
    void enteringAScore_data() {
        QTest::addColumn<bool>("againstComputer");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("500 goes below the 500 already there")
            << false << 500 << 4 << QList<int>{900, 700, 500, 500, 300};
        QTest::newRow("100 equals the last row: nothing entered")
            << false << 100 << 0 << QList<int>{900, 700, 500, 300, 100};
        QTest::newRow("99 is below the table")
            << false << 99 << 0 << QList<int>{900, 700, 500, 300, 100};
        QTest::newRow("1000 enters first, 100 drops out")
            << false << 1000 << 1 << QList<int>{1000, 900, 700, 500, 300};
        QTest::newRow("101 replaces the last row")
            << false << 101 << 5 << QList<int>{900, 700, 500, 300, 101};
        QTest::newRow("against the computer")
            << true << 800 << 2 << QList<int>{900, 800, 700, 500, 300};
    }

    void enteringAScore() {
        QFETCH(bool, againstComputer);
        QFETCH(int, score);
        QFETCH(int, position);
        QFETCH(QList<int>, after);
        const int first = againstComputer ? 5 : 0;
        Table t = fiveRows(first, {900, 700, 500, 300, 100});
        // The other table holds its own rows, which must not move.
        const int other = againstComputer ? 0 : 5;
        for (int i = other; i < other + 5; ++i) {
            t.names[i] = "other";
            t.scores[i] = 5000;
        }
        const Table before = t;
        const auto got = tezzle::checkhighscore(t.names, t.scores, againstComputer,
                                                static_cast<std::int16_t>(score));
        QCOMPARE(int(got), position == 0 ? 0 : first + position);
        QCOMPARE(scoresOf(t, first), after);
        QCOMPARE(scoresOf(t, other), scoresOf(before, other));
        QCOMPARE(t.scores[10], std::int16_t{0});
        if (position == 1) {
            // Every row moved down with its name.
            QCOMPARE(t.names[first + 1], std::string("P900"));
            QCOMPARE(t.names[first + 4], std::string("P300"));
        }
    }

    void anEmptyTableTakesAnyPositiveScore() {
        Table t;
        QCOMPARE(int(tezzle::checkhighscore(t.names, t.scores, false, 1)), 1);
        QCOMPARE(int(tezzle::checkhighscore(t.names, t.scores, false, 0)), 0);
    }

    void namesReadBackAsStored_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("stored");
        const auto row = [](const char* name, const QByteArray& typed, const QByteArray& stored) {
            QTest::newRow(name) << typed << stored;
        };
        row("plain", "Ann", "Ann");
        row("comma", "Smith, J.", "Smith, J.");
        row("quotes", "The \"Ace\"", "The \"Ace\"");
        row("only a quote", "\"", "\"");
        row("accents", "Zoë Ångström", "Zoë Ångström");
        row("line break", "two\nlines", "two lines");
        row("tab, NUL and DEL", QByteArray("a\tg\0h\x7Fz", 7), "a g h z");
        row("C1 controls", "a\xC2\x85z\xC2\x9F", "a z");
        row("blanks at the ends", "  Bo  ", "Bo");
        row("empty", "", "");
        row("at the limit", "abcdefghijklmnopqrst", "abcdefghijklmnopqrst");
        row("over the limit", "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrst");
        row("a blank where it is cut", "abcdefghijklmnopqrs tuvw", "abcdefghijklmnopqrs");
        row("accents at the limit", QString(25, QChar(0xE9)).toUtf8(),
            QString(20, QChar(0xE9)).toUtf8());
    }

    void namesReadBackAsStored() {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, stored);
        Table t = fiveRows(0, {900, 700, 500, 300, 100});
        const auto position = tezzle::checkhighscore(t.names, t.scores, false, 600);
        QVERIFY(tezzle::storeHighScoreName(path(), t.names, t.scores, position, typed.toStdString())
                    .ok);
        Table back;
        const auto read = tezzle::readHighScores(path(), back.names, back.scores);
        QVERIFY(read.complete);
        QCOMPARE(back.names[position - 1], stored.toStdString());
        QVERIFY(back.names == t.names);
        QVERIFY(back.scores == t.scores);
    }

    void theFileIsOneQuotedRowPerLine() {
        Table t = fiveRows(0, {900, 700, 500, 300, 100});
        t.names[9] = "Q\"R\t\r\xC2\x80";
        t.scores[9] = -3;
        const std::string text = tezzle::formatHighScores(t.names, t.scores);
        QVERIFY(text.starts_with("\"P900\",900\r\n\"P700\",700\r\n"));
        QVERIFY(text.ends_with("\"\",0\r\n\"Q\"\"R   \",-3\r\n"));
    }

    void otherFormsOfTheFileRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstName");
        QByteArray plain;
        for (int i = 0; i < 10; ++i)
            plain += "Name" + QByteArray::number(i) + "\n" + QByteArray::number(100 - i) + "\n";
        QTest::newRow("unquoted, one field per line") << plain << "Name0";
        QTest::newRow("all on one line, commas")
            << QByteArray("\"A, the first\",10,B,9,C,8,D,7,E,6,F,5,G,4,H,3,I,2,J,1")
            << "A, the first";
        QTest::newRow("control characters read as blanks")
            << "\"\tA\x01\x7F\xC2\x90Z\",1\n" + plain.mid(plain.indexOf("Name1")) << " A   Z";
        QTest::newRow("blank lines between rows")
            << QByteArray("\"A\",10\r\n\r\n\"B\",9\r\n\"C\",8\r\n\"D\",7\r\n\"E\",6\r\n"
                          "\"F\",5\r\n\"G\",4\r\n\"H\",3\r\n\"I\",2\r\n\"J\",1\r\n")
            << "A";
        const QByteArray longName(300, 'x');
        QTest::newRow("a long name edited by hand")
            << QByteArray("\"" + longName + "\",10\r\n") + plain.mid(plain.indexOf("Name1"))
            << QString(tezzle::kMaxNameReadLength, 'x');
    }

    void otherFormsOfTheFileRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstName);
        writeBytes(QString::fromStdString(path("other.txt")), bytes);
        Table t;
        const auto read = tezzle::readHighScores(path("other.txt"), t.names, t.scores);
        QVERIFY2(read.complete, read.error.c_str());
        QCOMPARE(QString::fromStdString(t.names[0]), firstName);
        QVERIFY(t.scores[9] > 0);
    }

    // Rows read before a fault are taken; the faulty row and those after keep what the table
    // held.
    void damagedFilesKeepTheRowsInMemory_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rowsRead");
        QTest::newRow("missing file") << QByteArray("-") << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("three rows") << QByteArray("\"A\",1\r\n\"B\",2\r\n\"C\",3\r\n") << 3;
        QTest::newRow("a score in letters") << QByteArray("\"A\",1\r\n\"B\",many\r\n") << 1;
        QTest::newRow("a score too large") << QByteArray("\"A\",40000\r\n") << 0;
        QTest::newRow("an open quote") << QByteArray("\"A\",1\r\n\"B,2\r\n\"C\",3\r\n") << 1;
        QTest::newRow("text after a quote") << QByteArray("\"A\"x,1\r\n") << 0;
        // Cut at 64 KiB, the first row would read as "x",327.
        QTest::newRow("larger than 64 KiB")
            << "\"" + QByteArray(64 * 1024 - 6, 'x') + "\",32767\r\n" + QByteArray(9, '\n') << 0;
    }

    void damagedFilesKeepTheRowsInMemory() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rowsRead);
        std::string file = path("damaged.txt");
        if (bytes == "-")
            file = path("no-such-file.txt");
        else
            writeBytes(QString::fromStdString(file), bytes);
        Table t = fiveRows(0, {900, 700, 500, 300, 100});
        const Table before = t;
        const auto read = tezzle::readHighScores(file, t.names, t.scores);
        QVERIFY(!read.complete);
        QVERIFY(!read.error.empty());
        QCOMPARE(read.rowsRead, rowsRead);
        for (int row = rowsRead; row <= 10; ++row) {
            QCOMPARE(t.names[row], before.names[row]);
            QCOMPARE(t.scores[row], before.scores[row]);
        }
    }

    void withoutANewRowNoNameIsStored() {
        Table t = fiveRows(0, {900, 700, 500, 300, 100});
        QVERIFY(
            !tezzle::storeHighScoreName(path("unnamed.txt"), t.names, t.scores, 0, "nobody").ok);
        QVERIFY(!QFile::exists(QString::fromStdString(path("unnamed.txt"))));
        QCOMPARE(t.names[0], std::string("P900"));
    }
};

QTEST_GUILESS_MAIN(TestHighScores)
#include "TestHighScores.moc"
