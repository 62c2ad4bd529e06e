// lastgame.inf: the exact format, round trips, damaged files and safe saving.

#include "files/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <random>

using tezzle::SavedGame;
using tezzle::SavedGameStatus;

Q_DECLARE_METATYPE(tezzle::SavedGameStatus)
Q_DECLARE_METATYPE(tezzle::SavedGame)

namespace {

const QString kGolden = TEZZLE_SOURCE_DIR "/tests/data/lastgame-golden.inf";

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

SavedGame goldenGame() {
    SavedGame g;
    for (auto [n, owner] : {std::pair{1, 1},
                            {2, 2},
                            {3, 3},
                            {17, 1},
                            {33, 2},
                            {50, 3},
                            {100, 1},
                            {64, 2},
                            {91, 3},
                            {45, 1}})
        g.board[n] = static_cast<std::int16_t>(owner);
    g.numPlayers = 3;
    g.computerLevel = 0;
    g.turnCounter = 17;
    g.targetScore = 5000;
    g.scores = {std::int16_t{1250}, std::int16_t{980}, std::nullopt, std::nullopt};
    g.timeAllowed = 600;
    g.clocks = {512, 433, 600, 2000};
    g.soundOn = 1;
    return g;
}

SavedGame randomGame(std::mt19937& random) {
    auto any16 = [&] {
        return static_cast<std::int16_t>(random() % 65536 - 32768);
    };
    SavedGame g;
    for (int i = 1; i <= 100; ++i)
        g.board[i] = static_cast<std::int16_t>(random() % 5);
    g.numPlayers = static_cast<std::int16_t>(random() % 4 + 1);
    g.computerLevel = g.numPlayers == 2 ? static_cast<std::int16_t>(random() % 4) : 0;
    g.turnCounter = any16();
    g.targetScore = any16();
    for (auto& s : g.scores)
        s = random() % 4 == 0 ? std::nullopt : std::optional<std::int16_t>(any16());
    g.timeAllowed = any16();
    for (auto& c : g.clocks)
        c = any16();
    g.soundOn = any16();
    return g;
}

// The golden file's lines, to damage one at a time.
QList<QByteArray> goldenLines() {
    QList<QByteArray> lines = readBytes(kGolden).split('\n');
    lines.removeLast(); // after the last line end
    for (auto& l : lines)
        l.chop(1); // the CR
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join("\r\n") + "\r\n";
}

enum class Step { Open, Write, Sync, Close, Rename, SyncFolder, None };

// The system's steps, but for one that fails with the given error; writes go in small pieces,
// and a failing write fails after the first piece has gone into the file.
class FailingSteps final : public tezzle::PosixFileSteps {
public:
    FailingSteps(Step failing, int error)
        : failing_(failing)
        , error_(error, std::generic_category()) {}

    int opened = 0;
    int closed = 0;

    std::error_code open(const std::string& path, int& fd) override {
        if (failing_ == Step::Open)
            return error_;
        const auto ec = PosixFileSteps::open(path, fd);
        opened += !ec;
        return ec;
    }
    std::error_code write(int fd, std::string_view bytes, std::size_t& written) override {
        if (failing_ == Step::Write && writes_++ > 0) {
            written = 0;
            return error_.value() != 0 ? error_ : std::error_code{};
        }
        return PosixFileSteps::write(fd, bytes.substr(0, 100), written);
    }
    std::error_code sync(int fd) override {
        return failing_ == Step::Sync ? error_ : PosixFileSteps::sync(fd);
    }
    std::error_code close(int fd) override {
        ++closed;
        const auto ec = PosixFileSteps::close(fd);
        return failing_ == Step::Close ? error_ : ec;
    }
    std::error_code rename(const std::string& from, const std::string& to) override {
        return failing_ == Step::Rename ? error_ : PosixFileSteps::rename(from, to);
    }
    std::error_code syncFolder(const std::string& folder) override {
        return failing_ == Step::SyncFolder ? error_ : PosixFileSteps::syncFolder(folder);
    }

private:
    Step failing_;
    std::error_code error_;
    int writes_ = 0;
};

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name = "lastgame.inf") const { return dir.filePath(name); }

private slots:
    void writesTheExactBytes() {
        const std::string bytes = tezzle::formatSavedGame(goldenGame());
        QCOMPARE(QByteArray::fromStdString(bytes), readBytes(kGolden));
        QVERIFY(tezzle::writeSavedGame(path().toStdString(), goldenGame()).ok);
        QCOMPARE(readBytes(path()), readBytes(kGolden));
    }

    void readsTheGoldenFile() {
        const auto read = tezzle::readSavedGame(kGolden.toStdString());
        QCOMPARE(read.status, SavedGameStatus::Ok);
        QVERIFY(read.game == goldenGame());
    }

    void roundTripsManyRandomGames() {
        std::mt19937 random(3202);
        for (int round = 0; round < 2000; ++round) {
            const SavedGame g = randomGame(random);
            const auto read = tezzle::parseSavedGame(tezzle::formatSavedGame(g));
            QCOMPARE(read.status, SavedGameStatus::Ok);
            QVERIFY(read.game == g);
        }
    }

    void emptyScoreBoxesReadBackAsZero() {
        tezzle::Settings settings;
        settings.savedScores = {7, 7, 7, 7, 7};
        QVERIFY(tezzle::restoreSavedGame(kGolden.toStdString(), settings).game);
        QCOMPARE(settings.savedScores, (std::array<std::int16_t, 5>{7, 1250, 980, 0, 0}));
        QCOMPARE(settings.savedClocks, (std::array<std::int16_t, 5>{0, 512, 433, 600, 2000}));
        QCOMPARE(settings.numPlayers, std::int16_t{3});
        QCOMPARE(settings.savedTurnCounter, std::int16_t{17});
        QCOMPARE(settings.board[33], std::int16_t{2});
        QCOMPARE(settings.timeAllowed, std::int16_t{600});
        QCOMPARE(settings.soundOn, std::int16_t{1});
    }

    void otherLineEndsAndBlanksStillRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SavedGame>("game");
        const QList<QByteArray> lines = goldenLines();
        QTest::newRow("LF line ends") << lines.join("\n") + "\n" << goldenGame();
        QTest::newRow("no last line end") << lines.join("\r\n") << goldenGame();
        QTest::newRow("blank lines after the last") << joined(lines) + "\r\n  \r\n" << goldenGame();
        QList<QByteArray> spaced = lines;
        spaced[200] = "  3  ";
        QTest::newRow("blanks around a number") << joined(spaced) << goldenGame();
        QList<QByteArray> words = lines;
        words[0] = "hexagon one";
        words[2] = "\"3, as written\"";
        QTest::newRow("hexagon lines hold anything of one field") << joined(words) << goldenGame();
        // Empty last lines are values, whatever follows them.
        SavedGame silent = goldenGame();
        silent.soundOn = 0;
        QTest::newRow("an empty sound line")
            << joined(lines.mid(0, 213) + QList<QByteArray>{""}) << silent;
        SavedGame stopped = silent;
        stopped.clocks = {0, 0, 0, 0};
        QTest::newRow("empty clocks and sound, then blank lines")
            << joined(lines.mid(0, 209) + QList<QByteArray>(5)) + "\r\n"
            << stopped;
    }

    void otherLineEndsAndBlanksStillRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGame, game);
        const auto read = tezzle::parseSavedGame(bytes.toStdString());
        QCOMPARE(read.status, SavedGameStatus::Ok);
        QVERIFY(read.game == game);
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SavedGameStatus>("status");
        QTest::addColumn<int>("line");
        const QList<QByteArray> lines = goldenLines();
        auto with = [&](int line, const QByteArray& value) {
            QList<QByteArray> l = lines;
            l[line - 1] = value;
            return joined(l);
        };
        QTest::newRow("empty file") << QByteArray() << SavedGameStatus::WrongLineCount << 0;
        QTest::newRow("213 lines")
            << joined(lines.mid(0, 213)) << SavedGameStatus::WrongLineCount << 0;
        QTest::newRow("215 lines")
            << joined(lines + QList<QByteArray>{"1"}) << SavedGameStatus::WrongLineCount << 0;
        QTest::newRow("above 32767") << with(205, "32768") << SavedGameStatus::OutOfRange << 205;
        QTest::newRow("below -32768") << with(203, "-32769") << SavedGameStatus::OutOfRange << 203;
        QTest::newRow("far above")
            << with(210, "123456789012345678901234") << SavedGameStatus::OutOfRange << 210;
        QTest::newRow("letters") << with(209, "ten") << SavedGameStatus::NotANumber << 209;
        QTest::newRow("a fraction") << with(214, "1.5") << SavedGameStatus::NotANumber << 214;
        QTest::newRow("two fields") << with(206, "9,8") << SavedGameStatus::NotANumber << 206;
        QTest::newRow("two fields on a hexagon line")
            << with(5, "3,3") << SavedGameStatus::NotAField << 5;
        QTest::newRow("owner 5") << with(34, "5") << SavedGameStatus::BadOwner << 34;
        QTest::newRow("owner -1") << with(2, "-1") << SavedGameStatus::BadOwner << 2;
        QTest::newRow("no players") << with(201, "0") << SavedGameStatus::BadPlayers << 201;
        QTest::newRow("five players") << with(201, "5") << SavedGameStatus::BadPlayers << 201;
        QTest::newRow("level 4") << with(202, "4") << SavedGameStatus::BadLevel << 202;
        QTest::newRow("a computer among three")
            << with(202, "2") << SavedGameStatus::BadLevel << 202;
    }

    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGameStatus, status);
        QFETCH(int, line);
        writeBytes(path("damaged.inf"), bytes);
        tezzle::Settings settings;
        settings.numPlayers = 4;
        settings.board[50] = 2;
        settings.soundOn = 1;
        const tezzle::Settings before = settings;
        const auto read = tezzle::restoreSavedGame(path("damaged.inf").toStdString(), settings);
        QCOMPARE(read.status, status);
        QCOMPARE(read.line, line);
        QVERIFY(!read.game);
        QVERIFY(settings.board == before.board && settings.numPlayers == before.numPlayers &&
                settings.soundOn == before.soundOn && settings.savedClocks == before.savedClocks);
        QVERIFY(!tezzle::describe(read).empty());
    }

    void aMissingFileRestoresNothing() {
        tezzle::Settings settings;
        const auto read = tezzle::restoreSavedGame(path("none.inf").toStdString(), settings);
        QCOMPARE(read.status, SavedGameStatus::Missing);
        QCOMPARE(tezzle::describe(read), std::string("There is no saved game."));
        QCOMPARE(settings.numPlayers, std::int16_t{0});
    }

    void restartingTwiceReopensTheSamePosition() {
        QVERIFY(tezzle::writeSavedGame(path().toStdString(), goldenGame()).ok);
        const auto first = tezzle::readSavedGame(path().toStdString());
        const auto second = tezzle::readSavedGame(path().toStdString());
        QVERIFY(first.game && second.game && *first.game == *second.game);
    }

    // The folder is made when missing; a folder or a temporary file that cannot be made is a
    // failed save that says why and keeps the previous game.
    void aSaveMakesItsFolderOrSaysWhyNot() {
        const QString nested = dir.filePath("a/b/lastgame.inf");
        QVERIFY(tezzle::writeSavedGame(nested.toStdString(), goldenGame()).ok);
        QCOMPARE(readBytes(nested), readBytes(kGolden));
        QVERIFY(!QFile::exists(nested + ".tmp"));

        writeBytes(path("file"), "not a folder");
        const auto underFile =
            tezzle::writeSavedGame(path("file/lastgame.inf").toStdString(), goldenGame());
        QVERIFY(!underFile.ok);
        QVERIFY(!underFile.error.empty());

        QVERIFY(QDir(dir.path()).mkdir("a/b/lastgame.inf.tmp"));
        SavedGame other = goldenGame();
        other.turnCounter = 99;
        QVERIFY(!tezzle::writeSavedGame(nested.toStdString(), other).ok);
        QCOMPARE(readBytes(nested), readBytes(kGolden));
    }

    // Each step of a save failing in turn, as a full disk, a quota or a network folder makes
    // them fail: up to the rename the previous file stays byte for byte, after it the new one
    // is whole; either way the failure is reported and no temporary file is left behind.
    void aFailureAtAnyStepIsReported_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error"); // 0: the step does nothing yet reports no error
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
        const std::string target = path("steps.inf").toStdString();
        QVERIFY(tezzle::writeSavedGame(target, goldenGame()).ok);
        SavedGame other = goldenGame();
        other.turnCounter = 99;
        const std::string text = tezzle::formatSavedGame(other);

        FailingSteps steps(Step(step), error);
        const auto result = tezzle::writeFileSafely(target, text, steps);
        QCOMPARE(result.ok, Step(step) == Step::None);
        if (!result.ok) {
            const std::error_code why(error ? error : EIO, std::generic_category());
            QVERIFY2(result.error.find(why.message()) != std::string::npos, result.error.c_str());
        }
        const bool renamed = Step(step) == Step::SyncFolder || Step(step) == Step::None;
        QCOMPARE(readBytes(path("steps.inf")),
                 renamed ? QByteArray::fromStdString(text) : readBytes(kGolden));
        QVERIFY(!QFile::exists(path("steps.inf.tmp")));
        QCOMPARE(steps.closed, steps.opened);
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "TestSavedGameFile.moc"
