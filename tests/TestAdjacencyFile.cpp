// The board adjacency file: the shipped file is the board's grid, and damaged files are told
// apart from good ones.

#include "core/Geometry.h"
#include "core/PathSearch.h"
#include "files/AdjacencyFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tezzle::AdjacencyStatus;
using tezzle::ConnArray;

Q_DECLARE_METATYPE(tezzle::AdjacencyStatus)

namespace {

const std::string kShipped = TEZZLE_SOURCE_DIR "/data/connarray.dat";

std::string readAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

// The 600 numbers of the grid, one per entry.
std::vector<int> gridNumbers() {
    std::vector<int> v;
    const ConnArray grid = tezzle::gridConnArray();
    for (int row = 0; row < 100; ++row)
        for (int k = 0; k < 6; ++k)
            v.push_back(grid[row][k]);
    return v;
}

std::string joined(const std::vector<int>& numbers, const std::string& separator) {
    std::string s;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        s += (i ? separator : "") + std::to_string(numbers[i]);
    return s;
}

} // namespace

class TestAdjacencyFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    std::string write(const std::string& text) {
        const std::string path = dir.filePath("connarray.dat").toStdString();
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }

private slots:
    void theShippedFileIsTheBoardsGrid() {
        QCOMPARE(readAll(kShipped), tezzle::formatConnArray(tezzle::gridConnArray()));
        ConnArray table{};
        const auto result = tezzle::readConnArray(kShipped, table);
        QCOMPARE(result.status, AdjacencyStatus::Complete);
        QCOMPARE(result.valuesRead, 600);
        // Hexagon by hexagon, the file's neighbours are the hexagons the board shows touching.
        for (int n = 1; n <= 100; ++n) {
            tezzle::NumberSet listed;
            int zeros = 0;
            for (int k = 0; k < 6; ++k) {
                const int m = table[n - 1][k];
                QVERIFY(m == 0 || !listed.test(m));
                listed.set(m);
                zeros += m == 0;
            }
            listed.reset(0);
            QCOMPARE(listed, tezzle::geometry::neighbours(n));
            QCOMPARE(zeros, 6 - tezzle::geometry::neighbours(n).count());
            QCOMPARE(table[n - 1][6], std::int16_t{0});
        }
        QCOMPARE(table[100], (std::array<std::int16_t, 7>{}));
    }

    void layouts_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("tail");
        QTest::newRow("one per line") << "\n"
                                      << "";
        QTest::newRow("one per Windows line") << "\r\n"
                                              << "\r\n";
        QTest::newRow("all on one line") << ","
                                         << "";
        QTest::newRow("blanks before numbers") << ",   "
                                               << "\n";
        QTest::newRow("blank-separated") << " "
                                         << "";
        QTest::newRow("blanks around commas") << " ,\t"
                                              << "";
        QTest::newRow("blank lines between") << "\r\n\r\n"
                                             << "\n\n";
        QTest::newRow("more than 600 numbers") << "\n"
                                               << "\n7\n8\nanything at all";
    }

    void layouts() {
        QFETCH(QString, separator);
        QFETCH(QString, tail);
        const auto path =
            write(joined(gridNumbers(), separator.toStdString()) + tail.toStdString());
        ConnArray table{};
        QVERIFY(tezzle::readConnArray(path, table).complete());
        QCOMPARE(table, tezzle::gridConnArray());
    }

    void damagedFiles_data() {
        QTest::addColumn<QString>("change"); // what follows the 299th number, fives after it
        QTest::addColumn<AdjacencyStatus>("status");
        QTest::newRow("ends early") << "" << AdjacencyStatus::Short;
        QTest::newRow("above 16 bits") << "\n70000\n" << AdjacencyStatus::OutOfRange;
        QTest::newRow("far above") << "\n99999999999999999999\n" << AdjacencyStatus::OutOfRange;
        QTest::newRow("below 16 bits") << "\n-32769\n" << AdjacencyStatus::OutOfRange;
        QTest::newRow("letters") << "\nabc\n" << AdjacencyStatus::NotANumber;
        QTest::newRow("a number with letters") << "\n12abc\n" << AdjacencyStatus::NotANumber;
        QTest::newRow("a fraction") << "\n1.5\n" << AdjacencyStatus::NotANumber;
        QTest::newRow("a plus sign") << "\n+5\n" << AdjacencyStatus::NotANumber;
        QTest::newRow("two commas in a row") << ",," << AdjacencyStatus::NotANumber;
        QTest::newRow("a comma ending a line") << ", \n" << AdjacencyStatus::NotANumber;
        QTest::newRow("a comma starting a line") << "\n ," << AdjacencyStatus::NotANumber;
        QTest::newRow("no hexagon 101") << "\n101\n" << AdjacencyStatus::NotOnBoard;
        QTest::newRow("no hexagon -1") << "\n-1\n" << AdjacencyStatus::NotOnBoard;
    }

    // Reading stops at the fault: what came before it is in the table, the rest untouched.
    void damagedFiles() {
        QFETCH(QString, change);
        QFETCH(AdjacencyStatus, status);
        const int keep = 299;
        std::vector<int> numbers = gridNumbers();
        numbers.resize(static_cast<std::size_t>(keep));
        std::string text = joined(numbers, "\n");
        if (!change.isEmpty())
            text += change.toStdString() + joined(std::vector<int>(300, 5), "\n");
        ConnArray table{};
        for (auto& row : table)
            row.fill(-9);
        const auto result = tezzle::readConnArray(write(text), table);
        QCOMPARE(result.status, status);
        QVERIFY(!result.complete());
        QCOMPARE(result.valuesRead, keep);
        const ConnArray grid = tezzle::gridConnArray();
        for (int i = 0; i < 600; ++i)
            QCOMPARE(table[i / 6][i % 6], i < keep ? grid[i / 6][i % 6] : std::int16_t{-9});
        QVERIFY(!tezzle::describe(result).empty());
    }

    void aMissingFileChangesNothing() {
        ConnArray table = tezzle::gridConnArray();
        const auto result = tezzle::readConnArray(dir.filePath("none.dat").toStdString(), table);
        QCOMPARE(result.status, AdjacencyStatus::Missing);
        QCOMPARE(table, tezzle::gridConnArray());
        QVERIFY(tezzle::describe(result).find("connarray.dat") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(TestAdjacencyFile)
#include "TestAdjacencyFile.moc"
