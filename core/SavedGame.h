#pragma once

#include "Settings.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tezzle {

// Everything a running game leaves behind on Exit, and what reopening it puts back: the owner of
// every hexagon, the settings, the move counter and what the score boxes and clocks show.
struct SavedGame {
    std::array<std::int16_t, 101> board{}; // owner of hexagon i, 1 to 100 used
    std::int16_t numPlayers = 1;
    std::int16_t computerLevel = 0;
    std::int16_t turnCounter = -1;
    std::int16_t targetScore = 5000; // carried along, no rule reads it
    // Score boxes, Blue to Yellow; a box with no move yet is empty, and reads back as 0.
    std::array<std::optional<std::int16_t>, 4> scores{};
    std::int16_t timeAllowed = 0;
    std::array<std::int16_t, 4> clocks{2000, 2000, 2000, 2000}; // seconds left, Blue to Yellow
    std::int16_t soundOn = 1;

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Puts a saved game into the shared settings, ready for a board to reopen it.
inline void applySavedGame(const SavedGame& saved, Settings& settings) {
    for (int i = 1; i <= 100; ++i)
        settings.board[i] = saved.board[i];
    settings.numPlayers = saved.numPlayers;
    settings.computerLevel = saved.computerLevel;
    settings.savedTurnCounter = saved.turnCounter;
    settings.targetScore = saved.targetScore;
    for (int i = 0; i < 4; ++i) {
        settings.savedScores[i + 1] = saved.scores[i].value_or(0);
        settings.savedClocks[i + 1] = saved.clocks[i];
    }
    settings.timeAllowed = saved.timeAllowed;
    settings.soundOn = saved.soundOn;
}

} // namespace tezzle
