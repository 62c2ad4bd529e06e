#pragma once

#include "GameSetup.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tezzle {

// Owner of hexagon i: 0 free, 1 to 4 a player; 1 to 100 used.
using OwnerBoard = std::array<std::int16_t, 101>;

// Everything a running game leaves behind on Exit, and what reopening it puts back: the owner of
// every hexagon, the set-up, the move counter and what the score boxes and clocks show.
struct SavedGame {
    OwnerBoard board{};
    GameSetup setup{};
    std::int16_t turnCounter = -1;
    std::int16_t targetScore = 5000; // carried along, no rule reads it
    // Score boxes, Blue to Yellow; a box with no move yet is empty, and reads back as 0.
    std::array<std::optional<std::int16_t>, 4> scores{};
    std::array<std::int16_t, 4> clocks{2000, 2000, 2000, 2000}; // seconds left, Blue to Yellow

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

} // namespace tezzle
