// The end of a game: the path and time endings, the closing sequence, the clocks and the flashes
// that announce it all.

#include "Arithmetic.h"
#include "Game.h"

#include <span>
#include <string>

namespace tezzle {

void Game::checkendofgame() {
    pathSearch_.reset();
    const std::span<const std::int16_t> cells(state_.coveredCells);
    if (pathSearch_.okToCheck(cells, state_.coveredNext)) {
        pathSearch_.findPath(connarray_, cells, state_.coveredNext);
        state_.pathReadout = pathSearch_.readout();
    }

    if (pathSearch_.pathFound) {
        state_.gameWinner = static_cast<std::int16_t>(lastMover() + 1);
        state_.ending = Ending::Path;
        state_.pathCompleter = state_.gameWinner;
        state_.joiningChain = joiningChain(connarray_, state_.covered);
        timers_.stop(TimerRole::ChangeOfTurn);
        if (soundOn_ == 1) {
            cue(Cue::GameOver);
            soundOn_ = 0; // nothing more sounds in this game
        }
        state_.banner = Banner::gameOver();
        timers_.start(TimerRole::PathBonus);
        timers_.start(TimerRole::GameOverFlash);
        return;
    }

    int inPlay = 0;
    int last = 0;
    for (int i = 0; i < numPlayers_; ++i)
        if (state_.players[i].inPlay) {
            ++inPlay;
            last = i;
        }
    if (numPlayers_ > 1 && inPlay == 1) {
        endOnTime(last + 1, Banner::hasWon(last), Tint::of(last));
        return;
    }
    if (numPlayers_ > 1 && inPlay == 0) {
        // Nobody has time left (a restored game can start so): the highest score wins.
        const int leader = leaderByDisplayedScore();
        endOnTime(leader + 1, Banner::hasWon(leader), Tint::of(leader));
        return;
    }
    if (numPlayers_ == 1 && inPlay != 1) {
        endOnTime(1, Banner::outOfTime(), Tint::of(0));
        return;
    }

    for (DieBox& box : state_.diceBoxes)
        box.enabled = false;
    state_.throwDiceEnabled = true;
}

void Game::endOnTime(int winner, Banner banner, Tint tint) {
    state_.gameWinner = static_cast<std::int16_t>(winner);
    state_.ending = Ending::Time;
    state_.banner = banner;
    state_.bannerTint = tint;
    timers_.stop(TimerRole::ChangeOfTurn);
    timers_.start(TimerRole::GameOverFlash);
    if (soundOn_ == 1) {
        cue(Cue::GameOver);
        soundOn_ = 0;
    }
    if (numPlayers_ == 1 || computerLevel_ > 0)
        events_.emplace_back(
            events::OpenHighScores{state_.players[0].score.value_or(0), computerLevel_ != 0});
}

// The player taking part with the highest displayed score; a tie goes to the earlier player.
int Game::leaderByDisplayedScore() const {
    int leader = 0;
    int best = state_.players[0].score.value_or(0);
    for (int i = 1; i < numPlayers_; ++i) {
        const int shown = state_.players[i].score.value_or(0);
        if (shown > best) {
            best = shown;
            leader = i;
        }
    }
    return leader;
}

void Game::awardPathBonus() {
    const int completer = state_.pathCompleter;
    Banner banner = Banner::pathBonus(kPathBonus, -1);
    if (completer >= 1 && completer <= kMaxPlayers) {
        PlayerPanel& panel = state_.players[completer - 1];
        panel.score = saturate16(panel.score.value_or(0) + kPathBonus);
        banner.player = completer - 1;
        state_.pathBonusGiven = true;
    }
    state_.banner = banner;
    timers_.stop(TimerRole::PathBonus);
    timers_.start(TimerRole::FinalWinner);
}

void Game::nameFinalWinner() {
    const int winner = leaderByDisplayedScore();
    state_.gameWinner = static_cast<std::int16_t>(winner + 1);
    state_.bannerTint = Tint::of(winner);
    state_.banner = Banner::hasWon(winner);
    if (numPlayers_ == 1 || computerLevel_ >= 1)
        events_.emplace_back(
            events::OpenHighScores{state_.players[0].score.value_or(0), computerLevel_ != 0});
    timers_.stop(TimerRole::FinalWinner);
}

void Game::clockTick() {
    if (state_.gameWinner >= 1) {
        timers_.stop(TimerRole::Clock);
        return;
    }
    PlayerPanel& panel = state_.players[playerToMove()];
    panel.clock = saturate16(panel.clock - 1);
    // Out at 0 or below: a clock restored below 0 must not count down for ever.
    if (panel.clock > 0)
        return;
    panel.inPlay = false;
    cue(Cue::OutOfTime);
    timers_.stop(TimerRole::Clock);
    timers_.start(TimerRole::ChangeOfTurn);
}

void Game::flashBonus(bool isDouble) {
    const bool odd = ++state_.bonusFlashCount % 2 == 1;
    state_.logoLit = odd;
    if (isDouble)
        state_.logoDouble = odd;
    if (state_.bonusFlashCount >= 10) {
        state_.bonusFlashCount = 0;
        timers_.stop(isDouble ? TimerRole::DoubleFlash : TimerRole::TezzleFlash);
    }
}

void Game::flashCounter() {
    const bool odd = ++state_.counterFlashCount % 2 == 1;
    state_.flashCounterShown = odd;
    if (state_.counterFlashCount >= 10) {
        state_.counterFlashCount = 0;
        timers_.stop(TimerRole::CounterFlash);
    }
}

// Runs until the board closes; its count keeps its parity and stays above 15 rather than pass
// the 16-bit limit after two hours or so.
void Game::flashGameOver() {
    int count = state_.gameOverFlashCount + 1;
    if (count > 30000)
        count -= 20000;
    state_.gameOverFlashCount = static_cast<std::int16_t>(count);
    if (count % 2 == 1) {
        state_.bannerTint = Tint::flashWhite();
        if (count > 15)
            soundOn_ = 0;
    } else if (state_.gameWinner >= 1 && state_.gameWinner <= kMaxPlayers) {
        state_.bannerTint = Tint::of(state_.gameWinner - 1);
    }
}

} // namespace tezzle
