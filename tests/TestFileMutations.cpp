// Thousands of randomly damaged saved games and high score files: no read may crash, and each
// either gives a good value or changes nothing it should not.

#include "files/HighScores.h"
#include "files/SavedGameFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

const char* const kGolden = TEZZLE_SOURCE_DIR "/tests/data/lastgame-golden.inf";

std::string fileText(const char* path) {
    std::string text;
    if (FILE* f = std::fopen(path, "rb")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

// Plain and quick: thousands of files are written here, none of which need to reach the disk.
void writeText(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(pos, stop - pos));
        pos = stop;
    }
    return lines;
}

// One to three random faults: bytes deleted, duplicated or altered, lines deleted, duplicated
// or swapped, the end cut off.
std::string damaged(std::string text, std::mt19937& random) {
    const int faults = static_cast<int>(random() % 3) + 1;
    for (int f = 0; f < faults && !text.empty(); ++f) {
        const std::size_t at = random() % text.size();
        switch (random() % 7) {
        case 0:
            text.erase(at, 1);
            break;
        case 1:
            text.insert(at, 1, text[at]);
            break;
        case 2: {
            static const char kBytes[] = "0123456789-,\"\r\n x\xC3\xA9\x00";
            text[at] = random() % 2 ? kBytes[random() % (sizeof kBytes - 1)]
                                    : static_cast<char>(random() % 256);
            break;
        }
        case 3:
        case 4:
        case 5: {
            auto lines = linesOf(text);
            const std::size_t i = random() % lines.size();
            const std::size_t j = random() % lines.size();
            if (random() % 3 == 0)
                lines.erase(lines.begin() + static_cast<long>(i));
            else if (random() % 2 == 0)
                lines.insert(lines.begin() + static_cast<long>(i), lines[j]);
            else
                std::swap(lines[i], lines[j]);
            text.clear();
            for (const auto& l : lines)
                text += l;
            break;
        }
        default:
            text.resize(at);
        }
    }
    return text;
}

bool validGame(const tezzle::SavedGame& g) {
    for (int i = 1; i <= 100; ++i)
        if (g.board[i] < 0 || g.board[i] > 4)
            return false;
    return g.numPlayers >= 1 && g.numPlayers <= 4 && g.computerLevel >= 0 && g.computerLevel <= 3 &&
           (g.computerLevel == 0 || g.numPlayers == 2);
}

} // namespace

class TestFileMutations : public QObject {
    Q_OBJECT

private slots:
    void damagedSavedGames() {
        std::mt19937 random(1188);
        const std::string good = fileText(kGolden);
        QVERIFY(!good.empty());
        int accepted = 0;
        for (int round = 0; round < 6000; ++round) {
            const std::string text = damaged(good, random);
            const auto read = tezzle::parseSavedGame(text);
            QCOMPARE(read.game.has_value(), read.status == tezzle::SavedGameStatus::Ok);
            if (!read.game)
                continue;
            ++accepted;
            QVERIFY(validGame(*read.game));
            // What was accepted is exactly what its own file says.
            QVERIFY(tezzle::parseSavedGame(tezzle::formatSavedGame(*read.game)).game == read.game);
        }
        // Harmless damage (a changed digit, a hexagon line) is still read; most is refused.
        QVERIFY(accepted > 100 && accepted < 5000);
    }

    void damagedHighScoreFiles() {
        std::mt19937 random(2299);
        tezzle::HighNames names{};
        tezzle::HighScores scores{};
        const char* sample[] = {"Ann", "Smith, J.", "The \"Ace\"", "Zoë", "",
                                "x",   "Bo Bo",     "12",          "\"",  "Ångström"};
        for (int i = 0; i < 10; ++i) {
            names[i] = sample[i];
            scores[i] = static_cast<std::int16_t>(1000 - 37 * i);
        }
        const std::string good = tezzle::formatHighScores(names, scores);
        QTemporaryDir dir;
        const std::string path = dir.filePath("highscores.txt").toStdString();
        for (int round = 0; round < 6000; ++round) {
            tezzle::HighNames readNames{};
            tezzle::HighScores readScores{};
            readNames.fill("kept");
            readScores.fill(-1);
            writeText(path, damaged(good, random));
            const auto read = tezzle::readHighScores(path, readNames, readScores);
            QVERIFY(read.rowsRead >= 0 && read.rowsRead <= 10);
            QCOMPARE(read.complete, read.rowsRead == 10);
            for (int row = 0; row <= 10; ++row) {
                if (row >= read.rowsRead) {
                    QCOMPARE(readNames[row], std::string("kept"));
                    QCOMPARE(readScores[row], std::int16_t{-1});
                    continue;
                }
                QVERIFY(std::none_of(readNames[row].begin(), readNames[row].end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                }));
                QVERIFY(readNames[row].size() <= 4 * tezzle::kMaxNameReadLength);
            }
            // Whatever was read is written back in a form that reads back the same.
            tezzle::HighNames again = readNames;
            tezzle::HighScores againScores = readScores;
            writeText(path, tezzle::formatHighScores(readNames, readScores));
            QVERIFY(tezzle::readHighScores(path, again, againScores).complete);
            QVERIFY(again == readNames && againScores == readScores);
        }
    }
};

QTEST_GUILESS_MAIN(TestFileMutations)
#include "TestFileMutations.moc"
