#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace tezzle {

// The seconds a time box holding `text` allows each player: the number its leading characters
// write (an optional minus sign, digits, at most one full stop; no number reads as 0), rounded
// to a whole number with halves to the even neighbour, and never less than 5.
inline std::int16_t timeAllowedFrom(std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    // Digits as one whole number and a count of places after the full stop, so that halves
    // are exact before they are rounded.
    double digits = 0;
    int places = -1; // -1 before the full stop
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && places < 0) {
            places = 0;
        } else if (c >= '0' && c <= '9' && digits < 1e15) {
            digits = digits * 10 + (c - '0');
            if (places >= 0)
                ++places;
        } else {
            break;
        }
    }
    const double value = digits / std::pow(10.0, places < 0 ? 0 : places);
    const double whole = std::nearbyint(negative ? -value : value); // ties to even
    if (whole < 5)
        return 5;
    return whole > 32767 ? std::int16_t{32767} : static_cast<std::int16_t>(whole);
}

} // namespace tezzle
