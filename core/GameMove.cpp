// A click on a number: whether it counts, and what a legal or an illegal move does.

#include "Arithmetic.h"
#include "Game.h"
#include "Tezzle.h"

#include <string>

namespace tezzle {

void Game::clickNumber(int n) {
    if (n < kFirstNumber || n > kLastNumber || state_.covered.test(n))
        return; // a covered hexagon shows no number to click
    if (!acceptsNumberClick())
        return;
    timers_.stop(TimerRole::Clock);
    bumpTurnCounter();
    state_.lastChoice = static_cast<std::int16_t>(n);
    state_.lastChoiceLegal = state_.allowed.test(n);
    if (state_.lastChoiceLegal)
        legalMove(n, lastMover());
    else
        illegalMove();
}

void Game::illegalMove() {
    state_.clockRowShown = false;
    state_.illegalMoveShown = true;
    timers_.start(TimerRole::ChangeOfTurn);
    cue(Cue::IllegalMove);
}

void Game::legalMove(int n, int player) {
    const Zone& zone = zoneOf(n);
    const int bonus = checktezzle(n, state_.covered);
    if (bonus == 2 * kTezzleBonus) {
        cue(Cue::DoubleTezzle);
        timers_.start(TimerRole::DoubleFlash);
    } else if (bonus == kTezzleBonus) {
        cue(Cue::Tezzle);
        timers_.start(TimerRole::TezzleFlash);
    } else {
        cue(zone.cue);
    }
    const int points = zone.points + bonus;

    // Points pile up to the largest 16-bit value and stay there.
    state_.scores[player] = saturate16(state_.scores[player] + points);
    state_.players[player].score = state_.scores[player];
    board_[n] = static_cast<std::int16_t>(player + 1);

    const int next = state_.coveredNext;
    state_.coveredCells[next - 1] = static_cast<std::int16_t>(n);
    if (next < static_cast<int>(state_.coveredCells.size()))
        state_.coveredCells[next] = 0;
    ++state_.coveredNext;
    state_.covered.set(n);

    state_.banner = Banner::pointsScored(points);

    state_.owners[n] = static_cast<std::int8_t>(player + 1);
    state_.flashCounterAt = n;
    timers_.start(TimerRole::CounterFlash);
    timers_.start(TimerRole::ChangeOfTurn);
}

} // namespace tezzle
