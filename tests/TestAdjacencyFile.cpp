// The board adjacency file: the shipped file, and any layout of it, reads as the board's grid
// (whose neighbours the geometry suite checks); a damaged file stops reading at the fault.

#include "core/PathSearch.h"
#include "files/AdjacencyFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tezzle::AdjacencyStatus;
using tezzle::ConnArray;

Q_DECLARE_METATYPE(tezzle::AdjacencyStatus)

namespace {

// The grid's first `count` numbers, between separators.
QByteArray gridText(const QByteArray& separator, int count = 600) {
    const ConnArray grid = tezzle::gridConnArray();
    QByteArrayList numbers;
    for (int i = 0; i < count; ++i)
        numbers << QByteArray::number(grid[i / 6][i % 6]);
    return numbers.join(separator);
}

} // namespace

class TestAdjacencyFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Reading stops at a fault: the numbers before it are in the table, the rest untouched.
    void reading_data() {
        QTest::addColumn<QByteArray>("text"); // "-": no file at all
        QTest::addColumn<AdjacencyStatus>("status");
        QTest::addColumn<int>("valuesRead");
        const auto whole = [](const char* name, const QByteArray& text) {
            QTest::newRow(name) << text << AdjacencyStatus::Complete << 600;
        };
        QFile shipped(TEZZLE_SOURCE_DIR "/data/connarray.dat");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        whole("as shipped", shipped.readAll());
        whole("as formatted",
              QByteArray::fromStdString(tezzle::formatConnArray(tezzle::gridConnArray())));
        whole("Windows lines", gridText("\r\n") + "\r\n");
        whole("blank lines around", "\n\r\n" + gridText("\r\n\r\n") + "\n\n");
        whole("blanks around commas", gridText(" ,\t"));
        whole("more than 600", gridText("\n") + "\n7\n8\nanything");
        const auto broken = [](const char* name, const QByteArray& fault, AdjacencyStatus status) {
            QTest::newRow(name) << gridText("\n", 299) + fault << status << 299;
        };
        broken("ends early", "", AdjacencyStatus::Short);
        broken("above 16 bits", "\n70000", AdjacencyStatus::OutOfRange);
        broken("a fraction", "\n1.5", AdjacencyStatus::NotANumber);
        broken("a plus sign", "\n+5", AdjacencyStatus::NotANumber);
        broken("two commas in a row", ",,5", AdjacencyStatus::NotANumber);
        broken("a comma ending a line", ", \n5", AdjacencyStatus::NotANumber);
        broken("no hexagon 101", "\n101", AdjacencyStatus::NotOnBoard);
        QTest::newRow("no file") << QByteArray("-") << AdjacencyStatus::Missing << 0;
    }

    void reading() {
        QFETCH(QByteArray, text);
        QFETCH(AdjacencyStatus, status);
        QFETCH(int, valuesRead);
        QFile file(dir.filePath(QTest::currentDataTag()));
        if (text != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        ConnArray table;
        for (auto& row : table)
            row.fill(-9);
        const auto result = tezzle::readConnArray(file.fileName().toStdString(), table);
        QCOMPARE(result.status, status);
        QCOMPARE(result.valuesRead, valuesRead);
        const ConnArray grid = tezzle::gridConnArray();
        for (int i = 0; i < 600; ++i)
            QCOMPARE(table[i / 6][i % 6], i < valuesRead ? grid[i / 6][i % 6] : std::int16_t{-9});
    }
};

QTEST_GUILESS_MAIN(TestAdjacencyFile)
#include "TestAdjacencyFile.moc"
