// lastgame.inf: its exact bytes, good and damaged files, a save that fails at any step.

#include "files/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using tezzle::SavedGame;
using tezzle::SavedGameStatus;

Q_DECLARE_METATYPE(tezzle::SavedGameStatus)

namespace {

const QString kGolden = TEZZLE_SOURCE_DIR "/tests/data/lastgame-golden.inf";

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The game of the golden file, set down by hand rather than read from it.
SavedGame goldenGame() {
    SavedGame g{.numPlayers = 3, .turnCounter = 17, .targetScore = 5000, .timeAllowed = 600};
    const int owned[] = {1, 1, 2, 2, 3, 3, 17, 1, 33, 2, 50, 3, 100, 1, 64, 2, 91, 3, 45, 1};
    for (int i = 0; i < 20; i += 2)
        g.board[owned[i]] = static_cast<std::int16_t>(owned[i + 1]);
    g.scores = {std::int16_t{1250}, std::int16_t{980}, std::nullopt, std::nullopt};
    g.clocks = {512, 433, 600, 2000};
    return g;
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join("\r\n") + "\r\n";
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

// The system's steps but for the failing one, which gives the error (0: it does nothing and says
// nothing). Writes go in pieces; a failing write fails once its piece is in the file.
struct FailingSteps final : tezzle::PosixFileSteps {
    Step failing = Step::None;
    std::error_code error;

    std::error_code fails(Step s, std::error_code real) const {
        return failing == s ? error : real;
    }
    std::error_code open(const std::string& path, int& fd) override {
        return failing == Step::Open ? error : PosixFileSteps::open(path, fd);
    }
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

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A good file reads whatever its line ends and blanks; a damaged one is refused whole and
    // leaves the settings as they were.
    void readingAFile_data() {
        QTest::addColumn<QByteArray>("bytes"); // "-": no file at all
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
        QTest::newRow("empty clocks and sound, then blank lines")
            << joined(lines.mid(0, 209) + QList<QByteArray>(5)) + " \r\n"
            << Ok;
        QTest::newRow("no file") << QByteArray("-") << Missing;
        // Blank lines after the last would be dropped, but a file this large is not read at all.
        QTest::newRow("far too large") << joined(lines) + QByteArray(70000, '\n') << WrongLineCount;
    }

    void readingAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGameStatus, status);
        QFile file(dir.filePath(QTest::currentDataTag()));
        if (bytes != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        tezzle::Settings settings;
        settings.savedScores.fill(7);
        const auto read = tezzle::restoreSavedGame(file.fileName().toStdString(), settings);
        QCOMPARE(read.status, status);
        QCOMPARE(read.game ? QByteArray::fromStdString(tezzle::formatSavedGame(*read.game)) : "",
                 status == SavedGameStatus::Ok ? joined(duelLines()) : "");
        QCOMPARE(settings.savedScores[1], read.game ? 1250 : 7); // Blue's score box
    }

    // Each step of a save failing in turn, as a full disk, a quota or a network folder makes
    // them fail: up to the rename the previous file stays byte for byte, after it the new one
    // is whole; either way the failure is reported, and no temporary or open file is left.
    void aFailureAtAnyStepIsReported_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::newRow("creating the temporary file") << int(Step::Open) << EACCES;
        QTest::newRow("the disk fills up halfway") << int(Step::Write) << ENOSPC;
        QTest::newRow("a write that makes no progress") << int(Step::Write) << 0;
        QTest::newRow("the flush to the disk") << int(Step::Sync) << EIO;
        QTest::newRow("a failed write reported on closing") << int(Step::Close) << EDQUOT;
        QTest::newRow("the rename") << int(Step::Rename) << EXDEV;
        QTest::newRow("the flush of the folder") << int(Step::SyncFolder) << EIO;
        QTest::newRow("nothing fails, small writes") << int(Step::None) << 0;
    }

    void aFailureAtAnyStepIsReported() {
        QFETCH(int, step);
        QFETCH(int, error);
        // Each row saves into a folder of its own, which the first save makes.
        const QString file = dir.filePath(QTest::currentDataTag() + QString("/new/lastgame.inf"));
        QVERIFY(tezzle::writeSavedGame(file.toStdString(), goldenGame()).ok);
        QCOMPARE(readBytes(file), readBytes(kGolden));
        const std::string text = tezzle::formatSavedGame(SavedGame{});
        const auto openFiles = QDir("/proc/self/fd").count();

        FailingSteps steps;
        steps.failing = Step(step);
        steps.error = {error, std::generic_category()};
        const auto result = tezzle::writeFileSafely(file.toStdString(), text, steps);
        QCOMPARE(result.ok, Step(step) == Step::None);
        QCOMPARE(result.error.empty(), result.ok);
        const bool renamed = Step(step) == Step::SyncFolder || Step(step) == Step::None;
        QCOMPARE(readBytes(file), renamed ? QByteArray::fromStdString(text) : readBytes(kGolden));
        QVERIFY(!QFile::exists(file + ".tmp"));
        QCOMPARE(QDir("/proc/self/fd").count(), openFiles);
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "TestSavedGameFile.moc"
