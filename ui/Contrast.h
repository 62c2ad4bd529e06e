#pragma once

#include "Colours.h"

#include <algorithm>
#include <cmath>

// How far apart two colours stand in lightness, as the Web Content Accessibility Guidelines
// measure it: 1 (none) to 21 (black on white); text wants 4.5.
namespace tezzle::ui {

inline double linearChannel(std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double relativeLuminance(Rgb c) {
    return 0.2126 * linearChannel(c.red) + 0.7152 * linearChannel(c.green) +
           0.0722 * linearChannel(c.blue);
}

inline double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tezzle::ui
