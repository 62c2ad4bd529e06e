#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tezzle {

// Board adjacency: row r holds the six neighbours of hexagon r + 1 (0 where the board ends);
// column 6 and row 100 stay 0.
using ConnArray = std::array<std::array<std::int16_t, 7>, 101>;

inline constexpr int kHighScoreRows = 10;

// What outlives one board window: the settings chosen for a game, the owner of every hexagon, the
// values read back from a saved game, the adjacency table and the high score rows. One object,
// made at start-up and handed to every window that needs it. Everything starts at 0.
struct Settings {
    std::int16_t numPlayers = 0;    // 1 to 4
    std::int16_t computerLevel = 0; // 0 = none, else 1 to 3 (the computer plays Red)
    std::int16_t timeAllowed = 0;   // seconds on each clock, 0 = clocks off
    std::int16_t soundOn = 0;       // cues play only while this is exactly 1

    std::array<std::int16_t, 101> board{}; // owner of hexagon i: 0 free, 1 to 4 a player
    std::int16_t restartGame = 0;          // 1 while a saved game is being reopened
    std::int16_t savedTurnCounter = 0;
    std::int16_t targetScore = 0;
    std::array<std::int16_t, 5> savedScores{}; // 1 to 4 used
    std::array<std::int16_t, 5> savedClocks{}; // 1 to 4 used

    ConnArray connarray{};

    std::array<std::string, kHighScoreRows + 1> highNames{}; // rows 0-4 alone, 5-9 vs computer
    std::array<std::int16_t, kHighScoreRows + 1> highScores{};
    std::int16_t highPosition = 0; // row number (index + 1) of the score just entered, or 0
};

} // namespace tezzle
