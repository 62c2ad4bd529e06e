#pragma once

#include "core/Tables.h"

#include <cstdint>

// The colours the windows and the picture generator draw with; the rules name none. In the
// program's own namespace, as every window's layout table names them.
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

// Number labels: black for a prime, very light grey otherwise.
constexpr Rgb numberColour(int n) {
    return isPrime(n) ? colours::kBlack : colours::kPaleGrey;
}

} // namespace tezzle
