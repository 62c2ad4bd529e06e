#pragma once

#include <array>
#include <cstdint>

namespace tezzle {

// Board adjacency: row r holds the six neighbours of hexagon r + 1 (0 where the board ends);
// column 6 and row 100 stay 0.
using ConnArray = std::array<std::array<std::int16_t, 7>, 101>;

// What outlives one board window: the adjacency table and the sound switch in force between
// games. The program alone writes it; windows are handed it read-only, and a game is handed its
// own set-up instead.
struct Settings {
    std::int16_t soundOn = 0; // cues play only while this is exactly 1
    ConnArray connarray{};
};

} // namespace tezzle
