#pragma once

#include "Players.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

// Marks that tell the players and the zones apart without their colours, for players who cannot
// tell some hues apart: shared by the board and the picture generator. The marked pictures stand
// beside the plain ones, named with "m" before the extension, so the plain board never changes.
namespace tezzle::ui {

// Outlines that differ even as a blur at counter size.
enum class MarkShape : unsigned char { Square, Triangle, Cross, Star };

// By player, in the order of play.
inline constexpr std::array<MarkShape, kMaxPlayers> kPlayerMarks{
    MarkShape::Square, MarkShape::Triangle, MarkShape::Cross, MarkShape::Star};

inline constexpr std::string_view kMarkedBoardPicture = "Images/tezzle3m.bmp";

// The marked twin of a counter or board picture.
inline std::string markedPicture(const std::string& plain) {
    const std::size_t dot = std::min(plain.rfind('.'), plain.size());
    return plain.substr(0, dot).append("m").append(plain, dot);
}

// The mark shown beside player `player`'s (0 to 3) name and score box.
inline std::string playerMarkPicture(int player) {
    return std::string("Marks/")
        .append(kPlayerLooks[static_cast<std::size_t>(player)].counterCode)
        .append(".bmp");
}

} // namespace tezzle::ui
