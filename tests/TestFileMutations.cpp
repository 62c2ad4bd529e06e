// Thousands of random files: saved games read back exactly as written, and damaged saved games
// and high score files never crash a read nor change what they should not.

#include "files/HighScores.h"
#include "files/SavedGameFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <random>

using tezzle::formatSavedGame, tezzle::parseSavedGame;

namespace {

// One to three faults: lines lost, doubled or swapped; bytes lost, doubled or changed; the end cut.
QByteArray damaged(QByteArray text, std::mt19937& random) {
    static const char kBytes[] = "0123456789-,\"\r\n x\xC3\xA9\0";
    for (int faults = random() % 3; faults >= 0 && !text.isEmpty(); --faults) {
        QList<QByteArray> lines = text.split('\n');
        const auto i = static_cast<qsizetype>(random() % lines.size());
        const auto j = static_cast<qsizetype>(random() % lines.size());
        const auto at = static_cast<qsizetype>(random() % text.size());
        const auto kind = random() % 7;
        if (kind == 0)
            lines.removeAt(i);
        else if (kind == 1)
            lines.insert(i, lines[j]);
        else if (kind == 2)
            lines.swapItemsAt(i, j);
        text = lines.join('\n');
        if (kind == 3)
            text.remove(at, 1);
        else if (kind == 4)
            text.insert(at, text[at]);
        else if (kind == 5)
            text[at] = random() % 2 ? kBytes[random() % (sizeof kBytes - 1)] : char(random());
        else if (kind == 6)
            text.truncate(at);
    }
    return text;
}

} // namespace

class TestFileMutations : public QObject {
    Q_OBJECT

private slots:
    // Random games read back exactly as written; their files damaged at random are refused, or
    // read as games whose own files read back exactly.
    void randomSavedGames() {
        std::mt19937 random(3202);
        int accepted = 0;
        for (int round = 0; round < 6000; ++round) {
            tezzle::SavedGame g{
                .setup = {.numPlayers = static_cast<std::int16_t>(random() % 4 + 1)}};
            g.setup.computerLevel =
                g.setup.numPlayers == 2 ? static_cast<std::int16_t>(random() % 4) : 0;
            for (int i = 1; i <= 100; ++i)
                g.board[i] = static_cast<std::int16_t>(random() % 5);
            for (auto* v : {&g.turnCounter, &g.targetScore, &g.setup.timeAllowed, &g.setup.soundOn,
                            &g.clocks[0], &g.clocks[1], &g.clocks[2], &g.clocks[3]})
                *v = static_cast<std::int16_t>(random());
            for (auto& s : g.scores)
                s = random() % 4 ? std::optional<std::int16_t>(random()) : std::nullopt;
            const std::string text = formatSavedGame(g);
            QVERIFY(parseSavedGame(text).game == g);
            const auto read =
                parseSavedGame(damaged(QByteArray::fromStdString(text), random).toStdString());
            accepted += read.game.has_value();
            if (read.game)
                QVERIFY(parseSavedGame(formatSavedGame(*read.game)).game == read.game);
        }
        // Harmless damage (a changed digit, a hexagon line) is still read; most is refused.
        QVERIFY2(accepted > 100 && accepted < 5000, QByteArray::number(accepted));
    }

    // A high score file damaged at random keeps every row from the first fault on as it was, and
    // what it gives reads back the same once written.
    void damagedHighScoreFiles() {
        const tezzle::HighNames names{"Ann", "Bo, Jr.", "The \"Ace\"", "Zoë", "", "\"", "Ångström"};
        const tezzle::HighScores scores{1000, 963, 926, 889, 852, 815, 778, 741, 704, 667};
        QTemporaryDir dir;
        const std::string path = dir.filePath("highscores.txt").toStdString();
        const auto read = [&](const QByteArray& bytes, tezzle::HighNames& n,
                              tezzle::HighScores& s) {
            std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
            return tezzle::readHighScores(path, n, s);
        };
        const QByteArray good = QByteArray::fromStdString(tezzle::formatHighScores(names, scores));
        std::mt19937 random(2299);
        for (int round = 0; round < 6000; ++round) {
            tezzle::HighNames n;
            tezzle::HighScores s;
            n.fill("kept");
            s.fill(-1);
            const int rowsRead = read(damaged(good, random), n, s).rowsRead;
            for (int row = 0; row <= 10; ++row)
                QCOMPARE(n[row] == "kept" && s[row] == -1, row >= rowsRead);
            auto namesAgain = n;
            auto scoresAgain = s;
            const auto again = QByteArray::fromStdString(tezzle::formatHighScores(n, s));
            QVERIFY(read(again, namesAgain, scoresAgain).complete() && namesAgain == n &&
                    scoresAgain == s);
        }
    }
};

QTEST_GUILESS_MAIN(TestFileMutations)
#include "TestFileMutations.moc"
