// The game's files by example: the saved game's exact bytes, good and damaged files of each
// kind, a save failing at any step, the high score tables. Random files: the mutation suite.

#include "core/PathSearch.h"
#include "files/AdjacencyFile.h"
#include "files/HighScores.h"
#include "files/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using tezzle::AdjacencyStatus;
using tezzle::SavedGameStatus;

Q_DECLARE_METATYPE(tezzle::AdjacencyStatus)
Q_DECLARE_METATYPE(tezzle::SavedGameStatus)

namespace {

const QString kGolden = TEZZLE_SOURCE_DIR "/tests/data/lastgame-golden.inf";

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join("\r\n") + "\r\n";
}

// The game of the golden file, set down by hand rather than read from it.
tezzle::SavedGame goldenGame() {
    tezzle::SavedGame g{
        .numPlayers = 3, .turnCounter = 17, .targetScore = 5000, .timeAllowed = 600};
    const int owned[] = {1, 1, 2, 2, 3, 3, 17, 1, 33, 2, 50, 3, 100, 1, 64, 2, 91, 3, 45, 1};
    for (int i = 0; i < 20; i += 2)
        g.board[owned[i]] = static_cast<std::int16_t>(owned[i + 1]);
    g.scores = {std::int16_t{1250}, std::int16_t{980}, std::nullopt, std::nullopt};
    g.clocks = {512, 433, 600, 2000};
    return g;
}

// The golden file's lines made a game of two against the computer, where every level makes
// sense, with its clocks and sound at 0 as empty lines read.
QList<QByteArray> duelLines() {
    QList<QByteArray> lines = readBytes(kGolden).split('\n');
    lines.removeLast();
    for (auto& l : lines)
        l.chop(1); // the CR
    lines[200] = "2";
    lines[201] = "1";
    std::fill(lines.begin() + 209, lines.end(), "0");
    return lines;
}

enum class Step { Open, Write, Sync, Close, Rename, SyncFolder, None };

// The system's steps; the failing one, but for opening, gives the error. Writes are of 100 bytes.
struct FailingSteps final : tezzle::PosixFileSteps {
    Step failing = Step::None;
    std::error_code error;

    std::error_code fails(Step s, std::error_code ec) const { return failing == s ? error : ec; }
    std::error_code write(int fd, std::string_view bytes, std::size_t& written) override {
        const auto ec = PosixFileSteps::write(fd, bytes.substr(0, 100), written);
        return failing == Step::Write ? (written = 0, error) : ec;
    }
    std::error_code sync(int fd) override { return fails(Step::Sync, PosixFileSteps::sync(fd)); }
    std::error_code close(int fd) override { return fails(Step::Close, PosixFileSteps::close(fd)); }
    std::error_code rename(const std::string& from, const std::string& to) override {
        return failing == Step::Rename ? error : PosixFileSteps::rename(from, to);
    }
    std::error_code syncFolder(const std::string& f) override {
        return fails(Step::SyncFolder, PosixFileSteps::syncFolder(f));
    }
};

// Both high score tables, and the unused row, hold 900, 700, 500, 300, 100 under "P<score>".
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

// The board grid's first `count` numbers, between separators.
QByteArray gridText(const QByteArray& separator, int count = 600) {
    const tezzle::ConnArray grid = tezzle::gridConnArray();
    QByteArrayList numbers;
    for (int i = 0; i < count; ++i)
        numbers << QByteArray::number(grid[i / 6][i % 6]);
    return numbers.join(separator);
}

} // namespace

class TestFileFormats : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A file holding the row's bytes, named after the row; for "-", no file at all.
    std::string rowFile(const QByteArray& bytes) {
        QFile file(dir.filePath(QTest::currentDataTag()));
        if (bytes != "-" && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName().toStdString();
    }

private slots:
    // A good saved game reads whatever its line ends and blanks; a damaged one is refused whole
    // and leaves the settings as they were.
    void aSavedGame_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SavedGameStatus>("status");
        const QList<QByteArray> lines = duelLines();
        using enum SavedGameStatus;
        struct Change {
            int line;
            const char* value;
            SavedGameStatus status;
        } const changes[] = {{201, "  2  ", Ok},         {3, "\"3, as written\"", Ok},
                             {205, "32768", OutOfRange}, {210, "99999999999999999999", OutOfRange},
                             {214, "1.5", NotANumber},   {5, "3,3", NotAField},
                             {34, "5", BadOwner},        {201, "", BadPlayers},
                             {202, "4", BadLevel},       {201, "3", BadLevel}};
        for (const Change& c : changes) {
            QList<QByteArray> changed = lines;
            changed[c.line - 1] = c.value;
            QTest::addRow("line %d: %s", c.line, c.value) << joined(changed) << c.status;
        }
        QTest::newRow("LF line ends") << lines.join("\n") + "\n" << Ok;
        QTest::newRow("empty last lines, then a blank one")
            << joined(lines.mid(0, 209) + QList<QByteArray>(5) << " ") << Ok;
        QTest::newRow("no file") << QByteArray("-") << Missing;
        QTest::newRow("213 lines") << joined(lines.mid(0, 213)) << WrongLineCount;
        QTest::newRow("blanks past 64 KiB")
            << joined(lines) + QByteArray(70000, '\n') << WrongLineCount;
    }

    void aSavedGame() {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGameStatus, status);
        tezzle::Settings settings;
        settings.savedScores.fill(7);
        const auto read = tezzle::restoreSavedGame(rowFile(bytes), settings);
        QCOMPARE(read.status, status);
        QCOMPARE(read.line > 0, status >= SavedGameStatus::NotAField); // a fault in one line
        QCOMPARE(read.game ? QByteArray::fromStdString(tezzle::formatSavedGame(*read.game)) : "",
                 status == SavedGameStatus::Ok ? joined(duelLines()) : "");
        QCOMPARE(settings.savedScores[1], read.game ? 1250 : 7); // Blue's score box
    }

    // Each step of a save failing in turn, as a full disk, a quota or a network folder makes
    // them fail: up to the rename the previous file stays byte for byte, after it the new one
    // is whole; either way the failure is reported, and no temporary or open file is left.
    void aSaveFailing_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::newRow("a folder where the temporary file goes") << int(Step::Open) << EISDIR;
        QTest::newRow("the disk fills up halfway") << int(Step::Write) << ENOSPC;
        QTest::newRow("a write that makes no progress") << int(Step::Write) << 0;
        QTest::newRow("the flush to the disk") << int(Step::Sync) << EIO;
        QTest::newRow("a failed write reported on closing") << int(Step::Close) << EDQUOT;
        QTest::newRow("the rename") << int(Step::Rename) << EXDEV;
        QTest::newRow("the flush of the folder") << int(Step::SyncFolder) << EIO;
        QTest::newRow("nothing fails, small writes") << int(Step::None) << 0;
    }

    void aSaveFailing() {
        QFETCH(int, step);
        QFETCH(int, error);
        // Each row saves the golden game into a folder of its own, which the save makes.
        const QString file = dir.filePath(QTest::currentDataTag() + QString("/new/lastgame.inf"));
        QVERIFY(tezzle::writeSavedGame(file.toStdString(), goldenGame()).ok);
        QCOMPARE(readBytes(file), readBytes(kGolden));
        const std::string text = tezzle::formatSavedGame(tezzle::SavedGame{});
        const auto openFiles = QDir("/proc/self/fd").count();
        QVERIFY(Step(step) != Step::Open || QDir().mkpath(file + ".tmp"));

        FailingSteps steps;
        steps.failing = Step(step);
        steps.error = {error, std::generic_category()};
        const auto result = tezzle::writeFileSafely(file.toStdString(), text, steps);
        QCOMPARE(result.ok, Step(step) == Step::None);
        QCOMPARE(result.error.empty(), result.ok);
        const bool renamed = Step(step) == Step::SyncFolder || Step(step) == Step::None;
        QCOMPARE(readBytes(file), renamed ? QByteArray::fromStdString(text) : readBytes(kGolden));
        QCOMPARE(QFile::exists(file + ".tmp"), Step(step) == Step::Open);
        QCOMPARE(QDir("/proc/self/fd").count(), openFiles);
    }

    // A score above a high score table's last enters it, below any equal score; the rows under
    // it move down with their names, and the new row keeps its old name until one is typed.
    void aHighScore_data() {
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

    void aHighScore() {
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

    // A typed name goes into the new row and the file as the table keeps it; the file reads back
    // as written in the mutation suite.
    void aTypedName_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("line"); // the first of the file's ten
        const auto row = [](const char* name, const QByteArray& typed, const QByteArray& line) {
            QTest::newRow(name) << typed << "\"" + line + "\",1000\r\n";
        };
        row("accents", "Zoë Ångström", "Zoë Ångström");
        row("controls", QByteArray("\va\ng\0h\x7Fz", 8), "a g h z");
        row("C1 controls", "a\xC2\x85z\xC2\x9F", "a z");
        row("blanks at the ends", "  Bo  ", "Bo");
        row("a blank where it is cut", "abcdefghijklmnopqrs tuvw", "abcdefghijklmnopqrs");
        row("accents over the limit", QString(25, QChar(0xE9)).toUtf8(),
            QString(20, QChar(0xE9)).toUtf8());
    }

    void aTypedName() {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, line);
        const std::string path = dir.filePath("highscores.txt").toStdString();
        Table t;
        const auto row = tezzle::checkhighscore(t.names, t.scores, false, 1000);
        QVERIFY(tezzle::storeHighScoreName(path, t.names, t.scores, row, typed.toStdString()).ok);
        const QByteArray written = readBytes(QString::fromStdString(path));
        QVERIFY2(written.startsWith(line) && written.count('\n') == 10, written.constData());
        // Without a new row there is nothing to name, and nothing is written.
        const QString unnamed = dir.filePath("unnamed.txt");
        QVERIFY(!tezzle::storeHighScoreName(unnamed.toStdString(), t.names, t.scores, 0, "x").ok);
        QVERIFY(!QFile::exists(unnamed));
    }

    // High score rows are read up to a damaged one; it and those after keep what they held.
    void aHighScoreFile_data() {
        QTest::addColumn<QByteArray>("bytes");
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

    void aHighScoreFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rowsRead);
        QFETCH(QByteArray, firstName);
        Table t;
        const Table before;
        const auto read = tezzle::readHighScores(rowFile(bytes), t.names, t.scores);
        QCOMPARE(read.rowsRead, rowsRead);
        QCOMPARE(read.complete && read.error.empty(), rowsRead == 10);
        QCOMPARE(t.names[0], firstName.toStdString());
        for (int row = rowsRead; row <= 10; ++row)
            QVERIFY(t.names[row] == before.names[row] && t.scores[row] == before.scores[row]);
    }

    // The board adjacency file, as shipped or laid out otherwise, reads as the board's grid (whose
    // neighbours the geometry suite checks); a damaged one is read up to the fault, no further.
    void anAdjacencyFile_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<AdjacencyStatus>("status");
        QTest::addColumn<int>("valuesRead");
        const auto whole = [](const char* name, const QByteArray& text) {
            QTest::newRow(name) << text << AdjacencyStatus::Complete << 600;
        };
        whole("as shipped", readBytes(TEZZLE_SOURCE_DIR "/data/connarray.dat"));
        whole("as formatted",
              QByteArray::fromStdString(tezzle::formatConnArray(tezzle::gridConnArray())));
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
    }

    void anAdjacencyFile() {
        QFETCH(QByteArray, text);
        QFETCH(AdjacencyStatus, status);
        QFETCH(int, valuesRead);
        tezzle::ConnArray table;
        for (auto& row : table)
            row.fill(-9);
        const auto result = tezzle::readConnArray(rowFile(text), table);
        QCOMPARE(result.status, status);
        QCOMPARE(result.valuesRead, valuesRead);
        const tezzle::ConnArray grid = tezzle::gridConnArray();
        for (int i = 0; i < 600; ++i)
            QCOMPARE(table[i / 6][i % 6], i < valuesRead ? grid[i / 6][i % 6] : std::int16_t{-9});
        // The committed file is the formatter's own output (`-t update-connarray` writes it).
        if (QByteArray(QTest::currentDataTag()) == "as shipped")
            QCOMPARE(text, QByteArray::fromStdString(tezzle::formatConnArray(grid)));
    }
};

QTEST_GUILESS_MAIN(TestFileFormats)
#include "TestFileFormats.moc"
