#pragma once

#include "Zones.h"

#include <array>
#include <string>
#include <string_view>

namespace tezzle::ui {

// How each player looks, in the order of play: shared by the board, the rules pages and the
// picture generator.
struct PlayerLook {
    std::string_view counterCode; // in counter file names
    Rgb colour;                   // banner, buttons, clock caption, name
    Rgb diceColour;               // the die boxes in the player's turn
};

inline constexpr std::array<PlayerLook, kMaxPlayers> kPlayerLooks{{
    {"bl", colours::kLightBlue, colours::kBlue},
    {"re", colours::kRed, colours::kRed},
    {"gr", colours::kGreen, colours::kGreen},
    {"ye", colours::kYellow, colours::kYellow},
}};

// The counter picture of player `playerNumber` (1 to 4) on hexagon n; the digit tells a prime.
inline std::string counterPicture(int n, int playerNumber) {
    return std::string("counters/")
        .append(zoneLookOf(n).code)
        .append(kPlayerLooks[static_cast<std::size_t>(playerNumber - 1)].counterCode)
        .append(isPrime(n) ? "2" : "1")
        .append(".bmp");
}

// The white copy of a counter on hexagon n, flashed over a new counter.
inline std::string whiteCounterPicture(int n) {
    return std::string("counters/")
        .append(zoneLookOf(n).code)
        .append("wh")
        .append(isPrime(n) ? "2" : "1")
        .append(".bmp");
}

} // namespace tezzle::ui
