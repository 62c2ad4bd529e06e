#include "DiceDraw.h"

namespace tezzle {

void startReveal(Timers& timers, bool sound) {
    timers.setInterval(TimerRole::DiceReveal, sound ? 1500 : 300);
    timers.setInterval(TimerRole::DiceRoll, sound ? 1200 : 100);
    timers.start(TimerRole::DiceReveal);
    timers.start(TimerRole::DiceRoll);
}

bool revealNextDie(Timers& timers, std::array<DieBox, 4>& boxes, int& shown, const Dice& dice) {
    timers.setInterval(TimerRole::DiceReveal, 250);
    if (shown < 4) {
        DieBox& box = boxes[static_cast<std::size_t>(shown)];
        box.enabled = true;
        box.face = dice[static_cast<std::size_t>(shown)];
        ++shown;
    }
    if (shown < 4)
        return false;
    timers.stop(TimerRole::DiceReveal);
    return true;
}

void rollUnsettledDice(Timers& timers, std::array<DieBox, 4>& boxes, int shown,
                       RandomSource& random) {
    timers.setInterval(TimerRole::DiceRoll, 5);
    for (std::size_t i = static_cast<std::size_t>(shown); i < boxes.size(); ++i) {
        boxes[i].enabled = true;
        boxes[i].face = drawBelow(random, Draw::RollingFace, kDieFaces) + 1;
    }
    if (shown >= 4)
        timers.stop(TimerRole::DiceRoll);
}

} // namespace tezzle
