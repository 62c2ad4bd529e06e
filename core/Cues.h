#pragma once

namespace tezzle {

// Every sound cue the program plays, named by what it tells the player. The window side maps
// each to its file.
enum class Cue {
    DiceThrown,
    TickBox, // the set-up window's tick boxes, and a move in the 10-point zone
    Click,   // the board's and the title's buttons, and a move in the 20-point zone
    Points50,
    Points100,
    Points200,
    Points300,
    Points500,
    Tezzle,
    DoubleTezzle,
    IllegalMove,
    OutOfTime,
    GameOver,
    LevelChosen,
};

inline constexpr int kCueCount = static_cast<int>(Cue::LevelChosen) + 1;

} // namespace tezzle
