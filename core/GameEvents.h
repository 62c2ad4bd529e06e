#pragma once

#include "Cues.h"
#include "SavedGame.h"

#include <cstdint>
#include <variant>

namespace tezzle {

// What a game asks of the windows around it, in the order it happened. The window redraws
// everything else from the game's state.
namespace events {

// Play a sound cue. Only emitted while the sound switch is on.
struct PlayCue {
    Cue cue;
    friend bool operator==(const PlayCue&, const PlayCue&) = default;
};

// Exit from a running game: write this as the saved game.
struct SaveGame {
    SavedGame game;
    friend bool operator==(const SaveGame&, const SaveGame&) = default;
};

// A one-player game has ended: offer Blue's final score to the high score table (the table
// against the computer when there was one).
struct OpenHighScores {
    std::int16_t blueScore = 0;
    bool againstComputer = false;
    friend bool operator==(const OpenHighScores&, const OpenHighScores&) = default;
};

// Close the board and show the title window, whose OK button now reads "Cancel".
struct GoToTitle {
    friend bool operator==(const GoToTitle&, const GoToTitle&) = default;
};

// Close the board and show the game set-up window.
struct GoToSetup {
    friend bool operator==(const GoToSetup&, const GoToSetup&) = default;
};

struct CloseCheatChart {
    friend bool operator==(const CloseCheatChart&, const CloseCheatChart&) = default;
};

} // namespace events

using GameEvent = std::variant<events::PlayCue, events::SaveGame, events::OpenHighScores,
                               events::GoToTitle, events::GoToSetup, events::CloseCheatChart>;

} // namespace tezzle
