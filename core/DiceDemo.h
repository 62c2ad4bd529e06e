#pragma once

#include "Cues.h"
#include "GameState.h"
#include "Random.h"
#include "Reachable.h"
#include "Settings.h"
#include "Timers.h"

#include <array>
#include <optional>

namespace tezzle {

// The rules pages' dice demonstration: a throw drawn and revealed exactly as the board does it,
// touching no game. A click while the dice still roll starts the throw over.
class DiceDemo {
public:
    // `dice` are the values of the last demonstration throw, kept by the owner while the page is
    // closed: a die the draw leaves alone keeps its value, as on the board.
    DiceDemo(const Settings& settings, RandomSource& random, Dice& dice);

    // Blanks the dice, draws a throw and starts revealing it. Returns the cue to play, if any.
    std::optional<Cue> throwDice();

    // The page is closing: nothing more moves.
    void stop() { timers_.stopAll(); }

    void advance(Millis ms);
    std::optional<Millis> nextTickIn(std::uint16_t roles = kAllTimers) const;

    const std::array<DieBox, 4>& shown() const { return shown_; }
    int diceShown() const { return diceShown_; }
    bool animating() const { return timers_.anyRunning(); }

private:
    void revealDie();
    void rollDice();

    const Settings& settings_;
    RandomSource& random_;
    Dice& dice_;
    Timers timers_;
    std::array<DieBox, 4> shown_{};
    int diceShown_ = 0;
};

} // namespace tezzle
