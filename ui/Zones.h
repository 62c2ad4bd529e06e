#pragma once

#include "Colours.h"

#include <array>
#include <string_view>

namespace tezzle::ui {

// How each colour zone looks, in the order of the core's zone table: shared by the board, the
// rules pages and the picture generator.
struct ZoneLook {
    std::string_view code; // in counter and ball file names
    std::string_view name; // as the rules pages call the colour
    Rgb colour;            // as the board draws it
    int legendIndex;       // position of the zone's ball, counted from the top
};

inline constexpr std::array<ZoneLook, kZones.size()> kZoneLooks{{
    {"co", "Orange", {255, 140, 26}, 6},
    {"cy", "Turquoise", {38, 200, 200}, 5},
    {"ye", "Yellow", {250, 220, 40}, 4},
    {"bl", "Blue", {40, 80, 215}, 3},
    {"gr", "Green", {60, 185, 75}, 2},
    {"ma", "Purple", {165, 80, 200}, 1},
    {"re", "Red", {225, 45, 45}, 0},
}};

// The look of the zone of hexagon n.
constexpr const ZoneLook& zoneLookOf(int n) {
    return kZoneLooks[static_cast<std::size_t>(&zoneOf(n) - kZones.data())];
}

} // namespace tezzle::ui
