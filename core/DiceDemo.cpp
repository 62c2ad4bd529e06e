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

    const bool sound = settings_.soundOn == 1;
    timers_.setInterval(TimerRole::DiceReveal, sound ? 1500 : 300);
    timers_.setInterval(TimerRole::DiceRoll, sound ? 1200 : 100);
    diceShown_ = 0;
    timers_.start(TimerRole::DiceReveal);
    timers_.start(TimerRole::DiceRoll);
    if (!sound)
        return std::nullopt;
    return Cue::CupDice;
}

void DiceDemo::revealDie() {
    timers_.setInterval(TimerRole::DiceReveal, 250);
    if (diceShown_ < 4) {
        DieBox& box = shown_[static_cast<std::size_t>(diceShown_)];
        box.enabled = true;
        box.face = dice_[static_cast<std::size_t>(diceShown_)];
        ++diceShown_;
    }
    if (diceShown_ >= 4)
        timers_.stop(TimerRole::DiceReveal);
}

void DiceDemo::rollDice() {
    // After its first, longer wait the faces change as fast as the timer allows.
    timers_.setInterval(TimerRole::DiceRoll, 5);
    for (int i = diceShown_; i < 4; ++i) {
        DieBox& box = shown_[static_cast<std::size_t>(i)];
        box.enabled = true;
        box.face = drawBelow(random_, Draw::RollingFace, 6) + 1;
    }
    if (diceShown_ >= 4)
        timers_.stop(TimerRole::DiceRoll);
}

void DiceDemo::advance(Millis ms) {
    timers_.advance(ms, [this](TimerRole role) {
        if (role == TimerRole::DiceReveal)
            revealDie();
        else if (role == TimerRole::DiceRoll)
            rollDice();
    });
}

std::optional<Millis> DiceDemo::nextTickIn() const {
    const std::optional<Millis> due = timers_.nextDue();
    if (!due)
        return std::nullopt;
    return *due - timers_.now();
}

} // namespace tezzle
