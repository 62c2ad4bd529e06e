#pragma once

#include "ui/Marks.h"

#include <string_view>

namespace tezzle::board {

// How the board shows a game, as the player chose in the set-up window; the rules never see it.
struct BoardOptions {
    bool showWorking = false; // one way to make each number, and a suggestion after a wrong one
    bool colourMarks = false; // players and zones told apart by marks as well as by colour
    friend bool operator==(const BoardOptions&, const BoardOptions&) = default;
};

// The board's picture as these options show it.
inline std::string_view boardPicture(const BoardOptions& options) {
    return options.colourMarks ? ui::kMarkedBoardPicture : "Images/tezzle3.bmp";
}

} // namespace tezzle::board
