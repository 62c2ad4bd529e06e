#include "DiceDemo.h"

#include "DiceDraw.h"

namespace tezzle {

DiceDemo::DiceDemo(const Settings& settings, RandomSource& random, Dice& dice)
    : settings_(settings)
    , random_(random)
    , dice_(dice) {}

std::optional<Cue> DiceDemo::throwDice() {
    for (DieBox& box : shown_)
        box.face = 0;
    drawThrow(dice_, random_);
    diceShown_ = 0;
    const bool sound = settings_.soundOn == 1;
    startReveal(timers_, sound);
    if (!sound)
        return std::nullopt;
    return Cue::DiceThrown;
}

void DiceDemo::revealDie() {
    revealNextDie(timers_, shown_, diceShown_, dice_);
}

void DiceDemo::rollDice() {
    rollUnsettledDice(timers_, shown_, diceShown_, random_);
}

void DiceDemo::advance(Millis ms) {
    timers_.advance(ms, [this](TimerRole role) {
        if (role == TimerRole::DiceReveal)
            revealDie();
        else if (role == TimerRole::DiceRoll)
            rollDice();
    });
}

std::optional<Millis> DiceDemo::nextTickIn(std::uint16_t roles) const {
    const std::optional<Millis> due = timers_.nextDue(roles);
    if (!due)
        return std::nullopt;
    return *due - timers_.now();
}

} // namespace tezzle
