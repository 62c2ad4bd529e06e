// The game's files by example: the saved game's exact bytes, good and damaged files of each
// kind, a save failing at any step, the high score tables. Random files: the mutation suite.

#include "core/PathSearch.h"
#include "files/AdjacencyFile.h"
#include "files/HighScores.h"
#include "files/SavedGameFile.h"
#include "files/SmallFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <semaphore>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using tezzle::AdjacencyStatus;
using tezzle::SavedGameStatus;
using tezzle::SaveStep;

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
        .setup = {.numPlayers = 3, .timeAllowed = 600}, .turnCounter = 17, .targetScore = 5000};
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

constexpr int kNoStep = -1;

// The system's steps; the failing one gives the error. Writes are of 100 bytes. A link to `victim`
// is planted where the first temporary file would go; `between` runs at the pause before step
// `pausing`, once, as a second copy of the game would save in between.
struct FailingSteps final : tezzle::PosixFileSteps {
    int failing = kNoStep;
    std::error_code error;
    std::string victim;
    int pausing = kNoStep;
    std::function<void()> between;

    std::error_code fails(SaveStep s, std::error_code ec) const {
        return failing == int(s) ? error : ec;
    }
    std::error_code create(const std::string& path, int& fd) override {
        if (!victim.empty())
            ::symlink(std::exchange(victim, {}).c_str(), path.c_str());
        return failing == int(SaveStep::Create) ? error : PosixFileSteps::create(path, fd);
    }
    std::error_code write(int fd, std::string_view bytes, std::size_t& written) override {
        const auto ec = PosixFileSteps::write(fd, bytes.substr(0, 100), written);
        return failing == int(SaveStep::Write) ? (written = 0, error) : ec;
    }
    std::error_code sync(int fd) override {
        return fails(SaveStep::Sync, PosixFileSteps::sync(fd));
    }
    std::error_code close(int fd) override {
        return fails(SaveStep::Close, PosixFileSteps::close(fd));
    }
    std::error_code rename(const std::string& from, const std::string& to) override {
        return failing == int(SaveStep::Rename) ? error : PosixFileSteps::rename(from, to);
    }
    std::error_code syncFolder(const std::string& f) override {
        return fails(SaveStep::SyncFolder, PosixFileSteps::syncFolder(f));
    }
    void pause(SaveStep s) override {
        if (int(s) == pausing && between)
            std::exchange(between, {})();
    }
};

// What a save finds beside the file, left by another program, a crash or a second copy.
enum class Planted { Nothing, FolderAtOldName, LinkAtOldName, LinkAtPickedName, Stale, Fresh };

QStringList temporaries(const QString& file) {
    const QFileInfo info(file);
    return QDir(info.path())
        .entryList({info.fileName() + ".tmp-*"}, QDir::AllEntries | QDir::System | QDir::Hidden);
}

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

Q_DECLARE_METATYPE(Planted)

class TestFileFormats : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A file holding the row's bytes, named after the row; for "-", no file at all, for "|",
    // a named pipe.
    std::string rowFile(const QByteArray& bytes, const QString& name = QTest::currentDataTag()) {
        QFile file(dir.filePath(name));
        QDir().mkpath(QFileInfo(file).path());
        if (bytes == "|")
            ::mkfifo(QFile::encodeName(file.fileName()).constData(), 0644);
        else if (bytes != "-" && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName().toStdString();
    }

private slots:
    // A good saved game reads whatever its line ends and blanks; a damaged one is refused whole
    // and gives no game to reopen.
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
                             {214, "1.5", NotANumber},   {1, "3,3", NotAField},
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
        QTest::newRow("a named pipe") << QByteArray("|") << NotAFile;
        QTest::newRow("213 lines") << joined(lines.mid(0, 213)) << WrongLineCount;
        QTest::newRow("blanks past 64 KiB")
            << joined(lines) + QByteArray(70000, '\n') << WrongLineCount;
    }

    void aSavedGame() {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGameStatus, status);
        const auto read = tezzle::readSavedGame(rowFile(bytes));
        QCOMPARE(read.status, status);
        QCOMPARE(read.line > 0, status >= SavedGameStatus::NotAField); // a fault in one line
        QCOMPARE(read.game ? QByteArray::fromStdString(tezzle::formatSavedGame(*read.game)) : "",
                 status == SavedGameStatus::Ok ? joined(duelLines()) : "");
    }

    // Each step of a save failing in turn, as a full disk, a quota or a network folder makes
    // them fail, or a save among what others left beside the file: up to the rename the
    // previous file stays byte for byte, after it the new one is whole; either way a failure
    // is reported naming the file, no temporary or open file of the save's is left, no link is
    // followed, and only temporary files of a day ago go.
    void aSave_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<Planted>("planted");
        using enum SaveStep;
        const auto row = [](const char* name, int step, int error, Planted planted) {
            QTest::newRow(name) << step << error << planted;
        };
        row("a folder that cannot be written", int(Create), EACCES, Planted::Nothing);
        row("the disk fills up halfway", int(Write), ENOSPC, Planted::Nothing);
        row("a write that makes no progress", int(Write), 0, Planted::Nothing);
        row("the flush to the disk", int(Sync), EIO, Planted::Nothing);
        row("a failed write reported on closing", int(Close), EDQUOT, Planted::Nothing);
        row("the rename", int(Rename), EXDEV, Planted::Nothing);
        row("the flush of the folder", int(SyncFolder), EIO, Planted::Nothing);
        row("nothing fails, small writes", kNoStep, 0, Planted::Nothing);
        row("a folder where the temporary file went", kNoStep, 0, Planted::FolderAtOldName);
        row("a link where the temporary file went", kNoStep, 0, Planted::LinkAtOldName);
        row("a link at the name the save picks", kNoStep, 0, Planted::LinkAtPickedName);
        row("a temporary file of two days ago", kNoStep, 0, Planted::Stale);
        row("a temporary file of a save under way", kNoStep, 0, Planted::Fresh);
    }

    void aSave() {
        QFETCH(int, step);
        QFETCH(int, error);
        QFETCH(Planted, planted);
        // Each row saves the golden game into a folder of its own, which the save makes.
        const QString file = dir.filePath(QTest::currentDataTag() + QString("/new/lastgame.inf"));
        QVERIFY(tezzle::writeSavedGame(file.toStdString(), goldenGame()).ok);
        QCOMPARE(readBytes(file), readBytes(kGolden));
        const std::string text = tezzle::formatSavedGame(tezzle::SavedGame{});
        const auto openFiles = QDir("/proc/self/fd").count();
        const QString victim = file + ".victim";
        QVERIFY(rowFile("untouched", victim.mid(dir.path().size() + 1)).size());
        QVERIFY(planted != Planted::FolderAtOldName || QDir().mkpath(file + ".tmp"));
        QVERIFY(planted != Planted::LinkAtOldName || QFile::link(victim, file + ".tmp"));
        for (const auto& [kind, age] :
             {std::pair{Planted::Stale, 2 * 86400}, {Planted::Fresh, 9}}) {
            QFile old(file + ".tmp-" + QByteArray::number(age).rightJustified(6, '0'));
            QVERIFY(planted != kind || (old.open(QIODevice::WriteOnly) &&
                                        old.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                                        QFileDevice::FileModificationTime)));
        }

        FailingSteps steps;
        steps.failing = step;
        steps.error = {error, std::generic_category()};
        if (planted == Planted::LinkAtPickedName)
            steps.victim = victim.toStdString();
        const auto result = tezzle::writeFileSafely(file.toStdString(), text, steps);
        QCOMPARE(result.ok, step == kNoStep);
        QVERIFY(result.ok ||
                (result.path == file.toStdString() && int(result.failedAt) == step && result.code));
        const bool renamed = step == int(SaveStep::SyncFolder) || step == kNoStep;
        QCOMPARE(result.replaced, renamed);
        QCOMPARE(readBytes(file), renamed ? QByteArray::fromStdString(text) : readBytes(kGolden));
        QCOMPARE(readBytes(victim), QByteArray("untouched"));
        const bool kept = planted == Planted::LinkAtPickedName || planted == Planted::Fresh;
        QCOMPARE(temporaries(file).size(), kept ? 1 : 0);
        QCOMPARE(QFileInfo::exists(file + ".tmp"),
                 planted == Planted::FolderAtOldName || planted == Planted::LinkAtOldName);
        QCOMPARE(QDir("/proc/self/fd").count(), openFiles);
    }

    // A second copy of the game saving between any two steps of a save: each save is whole, the
    // later rename wins, both are reported as done, and no temporary file is left.
    void twoSavesAtOnce_data() {
        QTest::addColumn<int>("step");
        for (int step = int(SaveStep::Create); step <= int(SaveStep::SyncFolder); ++step)
            QTest::addRow("the other saves before step %d", step) << step;
    }

    void twoSavesAtOnce() {
        QFETCH(int, step);
        const std::string file = rowFile("-", QString("twice %1/lastgame.inf").arg(step));
        const std::string mine = tezzle::formatSavedGame(goldenGame());
        const std::string other = tezzle::formatSavedGame(tezzle::SavedGame{});
        tezzle::WriteResult second;
        FailingSteps steps;
        steps.pausing = step;
        steps.between = [&] {
            second = tezzle::writeFileSafely(file, other);
        };
        QVERIFY(tezzle::writeFileSafely(file, mine, steps).ok && second.ok);
        const bool mineLast = step <= int(SaveStep::Rename);
        QCOMPARE(readBytes(QString::fromStdString(file)).toStdString(), mineLast ? mine : other);
        QVERIFY(temporaries(QString::fromStdString(file)).isEmpty());
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
        row("turned right to left", QString::fromUtf16(u"\u202Eevil 9999").toUtf8(), "evil 9999");
        row("format characters",
            QString::fromUtf16(u"a\u00ADb\u0600c\u200Bd\u2066e\uFEFFf\U000E0041g\U0001D173h")
                .toUtf8(),
            "a b c d e f g h");
    }

    void aTypedName() {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, line);
        const std::string path = rowFile("-", QTest::currentDataTag() + QString(".txt"));
        Table t;
        const auto row = tezzle::checkhighscore(t.names, t.scores, false, 1000);
        QCOMPARE(
            tezzle::storeHighScoreName(path, t.names, t.scores, row, typed.toStdString()).status,
            tezzle::StoreStatus::Stored);
        const QByteArray written = readBytes(QString::fromStdString(path));
        QVERIFY2(written.startsWith(line) && written.count('\n') == 10, written.constData());
        // Without a new row there is nothing to name, and nothing is written.
        const QString unnamed = dir.filePath("unnamed.txt");
        QCOMPARE(
            tezzle::storeHighScoreName(unnamed.toStdString(), t.names, t.scores, 0, "x").status,
            tezzle::StoreStatus::NothingToName);
        QVERIFY(!QFile::exists(unnamed));
    }

    // Two copies of the game store a row each, the second waiting on the first's lock: both
    // rows stay, whichever is first. A file found damaged is kept whole beside it, never over
    // an earlier copy, and the rows past the damage are those the program held.
    void aStore_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second"); // 0: no second copy
        QTest::addColumn<QString>("copy");
        const Table t;
        const QByteArray good =
            QByteArray::fromStdString(tezzle::formatHighScores(t.names, t.scores));
        const QByteArray damaged = QByteArray(good).replace(",500\r\n", ",7x\r\n"); // row 3
        QTest::newRow("the higher first") << good << 800 << 600 << "";
        QTest::newRow("the lower first") << good << 600 << 800 << "";
        QTest::newRow("no file yet") << QByteArray("-") << 600 << 800 << "";
        QTest::newRow("a damaged row") << damaged << 800 << 600 << ".damaged";
        QTest::newRow("a copy kept before") << damaged << 800 << 0 << ".damaged.1";
        QTest::newRow("a named pipe") << QByteArray("|") << 800 << 0 << ".damaged";
    }

    void aStore() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, copy);
        const QString tag = "store/" + QString(QTest::currentDataTag());
        const std::string path = rowFile(bytes, tag + "/highscores.txt");
        const QString file = QString::fromStdString(path);
        QVERIFY(copy != ".damaged.1" || rowFile("earlier", tag + "/highscores.txt.damaged").size());
        // Both games end before either name is typed, each entering its row into the file as read.
        Table a, b, expected;
        tezzle::readHighScores(path, a.names, a.scores);
        tezzle::readHighScores(path, b.names, b.scores);
        const auto rowA = tezzle::checkhighscore(a.names, a.scores, false, std::int16_t(first));
        const auto rowB = tezzle::checkhighscore(b.names, b.scores, false, std::int16_t(second));

        tezzle::HighScoreStore storeB;
        std::thread other;
        std::binary_semaphore started(0);
        FailingSteps steps;
        steps.pausing = second ? int(SaveStep::Create) : kNoStep;
        steps.between = [&] {
            other = std::thread([&] {
                started.release();
                storeB = tezzle::storeHighScoreName(path, b.names, b.scores, rowB, "B");
            });
            started.acquire();
            const int lock = ::open((path + ".lock").c_str(), O_RDONLY);
            QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0); // held while it merges
            ::close(lock);
        };
        const auto storeA = tezzle::storeHighScoreName(path, a.names, a.scores, rowA, "A", steps);
        if (other.joinable())
            other.join();
        QVERIFY2(storeA.status == tezzle::StoreStatus::Stored,
                 storeA.written.code.message().c_str());
        QCOMPARE(storeB.status,
                 second ? tezzle::StoreStatus::Stored : tezzle::StoreStatus::NothingToName);
        QCOMPARE(QString::fromStdString(storeA.damagedCopy), copy.isEmpty() ? "" : file + copy);
        QVERIFY(storeB.damagedCopy.empty());
        for (const auto& [score, name] : {std::pair{first, "A"}, {second, "B"}})
            if (const auto r = tezzle::checkhighscore(expected.names, expected.scores, false,
                                                      std::int16_t(score)))
                expected.names[r - 1] = name;
        Table stored;
        QVERIFY(tezzle::readHighScores(path, stored.names, stored.scores).complete());
        QVERIFY(stored.names == expected.names && stored.scores == expected.scores);
        QVERIFY(copy.isEmpty() || (bytes == "|" ? QFileInfo(file + copy).isFile() == false &&
                                                      QFileInfo::exists(file + copy)
                                                : readBytes(file + copy) == bytes));
        QVERIFY(copy != ".damaged.1" || readBytes(file + ".damaged") == "earlier");
        QVERIFY(temporaries(file).isEmpty());
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
        row("the largest score, then one too large", "A,32767\nB,32768\n", 1, "A");
        row("a score past any number", "A,1\nB,99999999999999999999\n", 1, "A");
        row("an open quote", "A,1\n\"B,2\n\"C\",3\n", 1, "A");
        row("cut in a name", "A,1\n\"B", 1, "A");
        row("text after a quote", "\"A\"x,1\n", 0, "P900");
        row("a named pipe", "|", 0, "P900");
        row("format characters",
            "\"\xE2\x80\xAE"
            "A\xE2\x80\x8F"
            "b\",10\n" +
                rest,
            10, " A b");
        // Files that end in the last score's last digit, a byte either side of 64 KiB.
        const QByteArray tail = "\",10\n" + rest.chopped(1);
        for (const int size : {65535, 65536, 65537})
            QTest::addRow("%d bytes", size)
                << "\"" + QByteArray(size - 1 - tail.size(), 'x') + tail << (size > 65536 ? 0 : 10)
                << (size > 65536 ? "P900" : QByteArray(tezzle::kMaxNameReadLength, 'x'));
    }

    void aHighScoreFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rowsRead);
        QFETCH(QByteArray, firstName);
        Table t;
        const Table before;
        const auto read = tezzle::readHighScores(rowFile(bytes), t.names, t.scores);
        QCOMPARE(read.rowsRead, rowsRead);
        QCOMPARE(read.complete(), rowsRead == 10);
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
        QTest::newRow("a named pipe") << QByteArray("|") << AdjacencyStatus::Missing << 0;
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

    // A file that holds more than its size says (one that grew after it was opened, or one the
    // kernel writes, sized 0) is read to its end, up to the limit.
    void aFileLongerThanItsSize_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("whole");
        QTest::newRow("within the limit") << 64 * 1024 << true;
        QTest::newRow("beyond the limit") << 100 << false;
    }

    void aFileLongerThanItsSize() {
        QFETCH(int, limit);
        QFETCH(bool, whole);
        const tezzle::SmallFile file = tezzle::readSmallFile("/proc/self/status", limit);
        using enum tezzle::SmallFile::Status;
        QCOMPARE(file.status, whole ? Read : TooLarge);
        QCOMPARE(file.text.find("\nnonvoluntary_ctxt_switches:") != std::string::npos,
                 whole); // last
        QCOMPARE(file.text.ends_with('\n'), whole);
    }
};

QTEST_GUILESS_MAIN(TestFileFormats)
#include "TestFileFormats.moc"
