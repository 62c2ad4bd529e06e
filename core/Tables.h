#pragma once

#include "Cues.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tezzle {

// The players, always taking part in this order; a player's number is index + 1.
inline constexpr int kMaxPlayers = 4;

// The computer opponent always plays Red.
inline constexpr int kComputerPlayerIndex = 1;

// The colour zones of the numbers 1 to 100, from the bottom of the board to the top.
struct Zone {
    int first; // both bounds inclusive
    int last;
    int points;
    Cue cue; // played for a move without bonus
};

inline constexpr std::array<Zone, 7> kZones{{
    {1, 15, 10, Cue::TickBox},
    {16, 28, 20, Cue::Click},
    {29, 45, 50, Cue::Points50},
    {46, 64, 100, Cue::Points100},
    {65, 79, 200, Cue::Points200},
    {80, 90, 300, Cue::Points300},
    {91, 100, 500, Cue::Points500},
}};

inline constexpr int kFirstNumber = 1;
inline constexpr int kLastNumber = 100;

// Zone of a hexagon number 1 to 100; numbers outside the board fall into the nearest zone.
constexpr const Zone& zoneOf(int n) {
    for (const Zone& zone : kZones)
        if (n <= zone.last)
            return zone;
    return kZones.back();
}

inline constexpr std::array<int, 25> kPrimes{2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                             43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

constexpr bool isPrime(int n) {
    for (int p : kPrimes)
        if (p == n)
            return true;
    return false;
}

} // namespace tezzle
