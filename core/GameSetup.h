#pragma once

#include <cstdint>

namespace tezzle {

// The four choices a game starts from, handed whole from the window that chose them to the game
// that plays them, and kept in the saved game. Sized as the saved file stores them.
struct GameSetup {
    std::int16_t numPlayers = 1;    // 1 to 4
    std::int16_t computerLevel = 0; // 0 = none, else 1 to 3 (the computer plays Red)
    std::int16_t timeAllowed = 0;   // seconds on each clock, 0 = clocks off
    std::int16_t soundOn = 1;       // cues play only while this is exactly 1

    // One player alone.
    constexpr GameSetup solo() const {
        GameSetup s = *this;
        s.numPlayers = 1;
        s.computerLevel = 0;
        return s;
    }
    // One player against the computer, which plays Red: a game of two.
    constexpr GameSetup againstComputer(int level) const {
        GameSetup s = *this;
        s.numPlayers = 2;
        s.computerLevel = static_cast<std::int16_t>(level);
        return s;
    }

    friend bool operator==(const GameSetup&, const GameSetup&) = default;
};

} // namespace tezzle
