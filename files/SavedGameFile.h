#pragma once

#include "SafeWrite.h"
#include "SmallFile.h"
#include "core/SavedGame.h"

#include <optional>
#include <string>
#include <string_view>

namespace tezzle {

// lastgame.inf: 214 lines ended by CR LF, one whole number per line. Lines 1, 3 … 199 hold
// the hexagon numbers 1 to 100 and lines 2, 4 … 200 their owners; then the number of players,
// the computer's level, the move counter, the target score, the four score boxes (an empty
// box as an empty line), the time allowed, the four clocks and the sound switch.
inline constexpr int kSavedGameLines = 214;

enum class SavedGameStatus {
    Ok,
    Missing,        // the file cannot be opened
    NotAFile,       // a folder, a named pipe, a device: `found` says which
    WrongLineCount, // not 214 lines
    NotAField,      // a hexagon-number line holds more than one field
    NotANumber,     // a value line holds something other than a whole number
    OutOfRange,     // a value does not fit in 16 bits
    BadOwner,       // an owner other than 0 to 4
    BadPlayers,     // a number of players other than 1 to 4
    BadLevel,       // a computer level other than 0 to 3, or a computer in a game not of two
};

struct SavedGameRead {
    SavedGameStatus status = SavedGameStatus::Missing;
    int line = 0; // the line at fault (1 to 214), 0 when the fault is not one line's
    std::optional<SavedGame> game;
    FileKind found = FileKind::Regular; // what is there instead of a file
};

// The file's exact bytes for a game.
std::string formatSavedGame(const SavedGame& game);

// Reads a whole file's text; only a file that is good from end to end gives a game.
SavedGameRead parseSavedGame(std::string_view text);

SavedGameRead readSavedGame(const std::string& path);

// Saves safely: a failed save reports why and leaves the previous saved game whole.
WriteResult writeSavedGame(const std::string& path, const SavedGame& game);


} // namespace tezzle
