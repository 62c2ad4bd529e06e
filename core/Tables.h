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
    std::string_view code; // in counter and ball file names
    int points;
    Cue cue;               // played for a move without bonus
    std::string_view name; // as the rules pages call the colour
    Rgb colour;            // as the board draws it
    int legendIndex;       // position of the zone's ball, counted from the top
};

inline constexpr std::array<Zone, 7> kZones{{
    {1, 15, "co", 10, Cue::TickBox, "Orange", {255, 140, 26}, 6},
    {16, 28, "cy", 20, Cue::Click, "Turquoise", {38, 200, 200}, 5},
    {29, 45, "ye", 50, Cue::Points50, "Yellow", {250, 220, 40}, 4},
    {46, 64, "bl", 100, Cue::Points100, "Blue", {40, 80, 215}, 3},
    {65, 79, "gr", 200, Cue::Points200, "Green", {60, 185, 75}, 2},
    {80, 90, "ma", 300, Cue::Points300, "Purple", {165, 80, 200}, 1},
    {91, 100, "re", 500, Cue::Points500, "Red", {225, 45, 45}, 0},
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
