#pragma once

#include "SafeWrite.h"
#include "core/Settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tezzle {

// Rows 0 to 4 are the table of a player alone, rows 5 to 9 of a player against the computer,
// each from the highest score down; row 10 is not used.
using HighNames = std::array<std::string, kHighScoreRows + 1>;
using HighScores = std::array<std::int16_t, kHighScoreRows + 1>;

inline constexpr int kHighScoreTableRows = 5;
// The longest name a player can type, in characters; longer names in a file still read, up
// to kMaxNameReadLength.
inline constexpr int kMaxNameLength = 20;
inline constexpr int kMaxNameReadLength = 100;

// Enters Blue's final score into the table of a player alone or against the computer when it
// is above that table's last score: lower rows move down one, the last drops out, and the new
// row keeps its old name until the player types one. An equal score goes below. Returns the
// new row's number (row index + 1), or 0 when nothing was entered.
std::int16_t checkhighscore(HighNames& names, HighScores& scores, bool againstComputer,
                            std::int16_t finalScore);

// The first row of a table (0 or 5).
constexpr int firstHighScoreRow(bool againstComputer) {
    return againstComputer ? kHighScoreTableRows : 0;
}

struct HighScoreRead {
    bool complete = false;
    int rowsRead = 0; // rows taken from the file, from the first on
    std::string error;
};

// Reads highscores.txt: ten rows of a name, then a score, separated by commas or line ends; a
// name may be in double quotes (then it may hold commas, and "" stands for a quote), and any
// control character in it reads as a blank. Rows are taken in order until one fails to read;
// that row and those after it keep what the table held. A file too large to be a high score
// file is not read at all.
HighScoreRead readHighScores(const std::string& path, HighNames& names, HighScores& scores);

// The file's text: one row per line, the name quoted (control characters as blanks), a comma,
// the score.
std::string formatHighScores(const HighNames& names, const HighScores& scores);

// Writes all ten rows safely: a failed write leaves the previous file whole.
WriteResult writeHighScores(const std::string& path, const HighNames& names,
                            const HighScores& scores);

// A typed name as the table keeps it: line breaks and other control characters become blanks,
// at most kMaxNameLength characters stay, and then blanks at either end go.
std::string cleanHighScoreName(const std::string& typed);

// Puts the typed name into the new row (highPosition as checkhighscore returned it) and writes
// the table back.
WriteResult storeHighScoreName(const std::string& path, HighNames& names, const HighScores& scores,
                               std::int16_t highPosition, const std::string& typed);

} // namespace tezzle
