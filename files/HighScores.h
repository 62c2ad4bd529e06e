#pragma once

#include "SafeWrite.h"
#include "SmallFile.h"
#include "core/Settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tezzle {

inline constexpr int kHighScoreRows = 10;

// Rows 0 to 4 are the table of a player alone, rows 5 to 9 of a player against the computer,
// each from the highest score down; row 10 is not used.
using HighNames = std::array<std::string, kHighScoreRows + 1>;
using HighScores = std::array<std::int16_t, kHighScoreRows + 1>;

// The tables as whoever shows them holds them.
struct HighScoreTable {
    HighNames names{};
    HighScores scores{};
};

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

// Takes row (an index) back out of its table: the rows below move up one, and the last row
// becomes an empty name with `emptyScore`.
void removeHighScoreRow(HighNames& names, HighScores& scores, int row, std::int16_t emptyScore);

enum class HighScoreFileStatus {
    Complete,
    Missing,    // no file yet
    Unreadable, // the file cannot be opened or read
    NotAFile,   // a folder, a named pipe, a device: `found` says which
    TooLarge,   // far too large to be a high score file; not read at all
    Damaged,    // read up to a row that fails
};

struct HighScoreRead {
    HighScoreFileStatus status = HighScoreFileStatus::Missing;
    int rowsRead = 0; // rows taken from the file, from the first on
    FileKind found = FileKind::Regular;
    bool complete() const { return status == HighScoreFileStatus::Complete; }
    // Whatever the file held that was not read must not be lost by replacing it.
    bool damaged() const {
        return status != HighScoreFileStatus::Complete && status != HighScoreFileStatus::Missing;
    }
};

// Reads highscores.txt: ten rows of a name, then a score, separated by commas or line ends; a
// name may be in double quotes (then it may hold commas, and "" stands for a quote), and any
// control or invisible format character in it reads as a blank. Rows are taken in order until
// one fails to read; that row and those after it keep what the table held. A file too large to
// be a high score file, or not a file at all, is not read.
HighScoreRead readHighScores(const std::string& path, HighNames& names, HighScores& scores);

// The file's text: one row per line, the name quoted (control and format characters as
// blanks), a comma, the score.
std::string formatHighScores(const HighNames& names, const HighScores& scores);

// Writes all ten rows safely: a failed write leaves the previous file whole.
WriteResult writeHighScores(const std::string& path, const HighNames& names,
                            const HighScores& scores);

// A typed name as the table keeps it: line breaks and other control characters, and the
// invisible format characters (those that turn text right to left among them), become blanks,
// at most kMaxNameLength characters stay, and then blanks at either end go.
std::string cleanHighScoreName(const std::string& typed);

enum class StoreStatus {
    Stored,
    NothingToName, // no new row
    NoLongerHigh,  // higher scores stored meanwhile by another copy of the game fill the table
    NoCopy,        // the file was damaged and no copy of it could be kept, so it was left as is
    NotWritten,    // `written` says why
};

struct HighScoreStore {
    StoreStatus status = StoreStatus::NothingToName;
    std::int16_t highPosition = 0; // the new row's number in the tables as they now stand
    HighScoreRead found;           // the file as the store read it
    std::string damagedCopy;       // where the damaged file was kept, when it was
    WriteResult written;           // on a write that was stored, a warning when not ok
};

// Puts the typed name into the new row (highPosition as checkhighscore returned it into names
// and scores) and stores it. Under a lock on path + ".lock", the file is read again and the row
// entered into what it holds now, so that rows another copy of the game stored meanwhile stay;
// rows the file cannot give keep the values in names and scores. A file read as damaged is kept
// whole beside it, as path + ".damaged" (or ".damaged.1" and on, never over an earlier copy),
// before it is replaced, and is not replaced when that fails. names and scores become the tables
// as stored (as found, when the row no longer enters). The steps pause under the lock.
HighScoreStore storeHighScoreName(const std::string& path, HighNames& names, HighScores& scores,
                                  std::int16_t highPosition, const std::string& typed);
HighScoreStore storeHighScoreName(const std::string& path, HighNames& names, HighScores& scores,
                                  std::int16_t highPosition, const std::string& typed,
                                  FileSteps& steps);

} // namespace tezzle
