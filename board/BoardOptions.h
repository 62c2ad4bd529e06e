#pragma once

namespace tezzle::board {

// How the board shows a game, as the player chose in the set-up window; the rules never see it.
struct BoardOptions {
    bool showWorking = false; // one way to make each number, and a suggestion after a wrong one
    bool colourMarks = false; // players and zones told apart by marks as well as by colour
    friend bool operator==(const BoardOptions&, const BoardOptions&) = default;
};

} // namespace tezzle::board
