#pragma once

#include "Cues.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tezzle {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kLightBlue{128, 128, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kPaleGrey{224, 224, 224};
inline constexpr Rgb kBoardBackground{49, 135, 215};
} // namespace colours

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

// Number labels: black for a prime, very light grey otherwise.
constexpr Rgb numberColour(int n) {
    return isPrime(n) ? colours::kBlack : colours::kPaleGrey;
}

} // namespace tezzle
