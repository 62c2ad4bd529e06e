#include "Invariants.h"

#include "Arithmetic.h"
#include "ComputerPlayer.h"
#include "Reachable.h"

namespace tezzle {

InvariantChecker::InvariantChecker(const Game& game, const OwnerBoard& board)
    : game_(game)
    , board_(board) {
    const GameState& s = game.state();
    shadowCovered_ = s.covered;
    seenCoveredNext_ = s.coveredNext;
    previousTurnCounter_ = s.turnCounter;
    previousTurnOver_ = game.timers().running(TimerRole::ChangeOfTurn);
    for (int i = 0; i < kMaxPlayers; ++i) {
        movePoints_[i] = s.scores[i];
        hasScored_[i] = s.players[i].score.has_value();
        previousInPlay_[i] = s.players[i].inPlay;
    }
}

void InvariantChecker::fail(const std::string& what) {
    if (violations_++ == 0)
        firstViolation_ = "at " + std::to_string(game_.now()) + " ms: " + what;
}

void InvariantChecker::check() {
    checkBoard();
    checkNewMoves();
    checkScores();
    checkTurn();
    checkEnding();
}

void InvariantChecker::checkBoard() {
    const GameState& s = game_.state();
    if (s.coveredNext < 1 || s.coveredNext > 101) {
        fail("coveredNext out of range");
        return;
    }
    if (s.covered.count() != s.coveredNext - 1)
        fail("coveredNext does not count the covered hexagons");
    // Only a move changes the board: look at all of it after each one.
    if (s.coveredNext == seenCoveredNext_ && !fullCheckDue_)
        return;
    fullCheckDue_ = false;
    NumberSet listed;
    for (int k = 0; k < s.coveredNext - 1; ++k) {
        const int n = s.coveredCells[k];
        if (n < kFirstNumber || n > kLastNumber || listed.test(n))
            fail("coveredCells holds " + std::to_string(n) + " wrongly or twice");
        listed.set(n);
    }
    if (s.coveredNext <= 100 && s.coveredCells[s.coveredNext - 1] != 0)
        fail("coveredCells is not ended by 0");
    if (!(listed == s.covered))
        fail("coveredCells and the covered hexagons differ");
    for (int i = kFirstNumber; i <= kLastNumber; ++i) {
        const int owner = board_[i];
        if (owner < 0 || owner > kMaxPlayers || (owner > 0) != s.covered.test(i) ||
            s.owners[i] != owner)
            fail("hexagon " + std::to_string(i) + " has owner " + std::to_string(owner) +
                 " but is " + (s.covered.test(i) ? "covered" : "free"));
    }
}

void InvariantChecker::checkNewMoves() {
    const GameState& s = game_.state();
    for (int k = seenCoveredNext_; k < s.coveredNext; ++k) {
        const int n = s.coveredCells[k - 1];
        const int owner = board_[n];
        if (owner < 1 || owner > kMaxPlayers)
            continue; // reported by checkBoard
        movePoints_[owner - 1] = saturate16(movePoints_[owner - 1] + moveValue(n, shadowCovered_));
        hasScored_[owner - 1] = true;
        shadowCovered_.set(n);
        ++legalMoves_;
        if (s.owners[n] != owner)
            fail("hexagon " + std::to_string(n) + " shows player " + std::to_string(s.owners[n]));
        if (k == s.coveredNext - 1 && owner != game_.lastMover() + 1)
            fail("hexagon " + std::to_string(n) + " went to player " + std::to_string(owner) +
                 " on move " + std::to_string(s.turnCounter));
    }
    seenCoveredNext_ = s.coveredNext;
}

void InvariantChecker::checkScores() {
    const GameState& s = game_.state();
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (s.scores[i] != movePoints_[i])
            fail("player " + std::to_string(i + 1) + " scored " + std::to_string(s.scores[i]) +
                 " for moves worth " + std::to_string(movePoints_[i]));
        const bool bonus = s.pathBonusGiven && s.pathCompleter == i + 1;
        if (!hasScored_[i] && !bonus) {
            if (s.players[i].score.has_value())
                fail("player " + std::to_string(i + 1) + " shows a score without a move");
            continue;
        }
        const int shown = s.players[i].score.value_or(-1);
        const int expected = saturate16(movePoints_[i] + (bonus ? kPathBonus : 0));
        if (shown != expected)
            fail("player " + std::to_string(i + 1) + " shows " + std::to_string(shown) +
                 ", expected " + std::to_string(expected));
    }
}

void InvariantChecker::checkTurn() {
    const GameState& s = game_.state();
    const int n = game_.numPlayers();
    const bool turnOver = game_.timers().running(TimerRole::ChangeOfTurn);
    int delta = s.turnCounter - previousTurnCounter_;
    if (delta < -kTurnCounterStepBack / 2)
        delta += kTurnCounterStepBack; // stepped back at the 16-bit limit
    if (!previousTurnOver_ && turnOver) {
        // A click ended the turn (+1), or a clock ran out (no change).
        const bool click = s.illegalMoveShown || delta == 1;
        const bool expired = !click && delta == 0;
        if (s.illegalMoveShown && !previousIllegalShown_)
            ++illegalMoves_;
        if (!click && !expired)
            fail("move counter moved by " + std::to_string(delta) + " as a turn ended");
        if (click && delta != 1)
            fail("a click moved the move counter by " + std::to_string(delta));
    } else if (previousTurnOver_ && !turnOver && s.gameWinner == 0) {
        // The change of turn skips every player out of time, one move each.
        int skips = 0;
        while (skips < n && !s.players[floorMod(previousTurnCounter_ + 1 + skips, n)].inPlay)
            ++skips;
        if (delta != skips)
            fail("change of turn moved the counter by " + std::to_string(delta) + " for " +
                 std::to_string(skips) + " skipped");
    } else if (delta != 0) {
        fail("move counter moved by " + std::to_string(delta) + " outside a move");
    }

    if (game_.running() && !turnOver && (s.throwDiceEnabled || game_.acceptsNumberClick())) {
        const int p = game_.playerToMove();
        if (!s.players[p].inPlay)
            fail("player " + std::to_string(p + 1) + " is to move without time");
        if (s.banner != Banner::toPlay(p))
            fail("banner does not announce player " + std::to_string(p + 1));
    }
    if (game_.acceptsNumberClick()) {
        if (!(s.allowed == reachableNumbers(s.dice)))
            fail("allowed numbers do not match the dice");
        NumberSet freeAllowed = s.allowed;
        s.covered.forEach([&](int c) { freeAllowed.reset(c); });
        if (freeAllowed.none())
            fail("a throw that makes no free number was shown");
    }
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (previousInPlay_[i] && !s.players[i].inPlay && s.players[i].clock > 0)
            fail("player " + std::to_string(i + 1) + " left the game with time on the clock");
        previousInPlay_[i] = s.players[i].inPlay;
    }
    previousTurnCounter_ = s.turnCounter;
    previousTurnOver_ = turnOver;
    previousIllegalShown_ = s.illegalMoveShown;
}

void InvariantChecker::checkEnding() {
    const GameState& s = game_.state();
    if (s.gameWinner < 0 || s.gameWinner > kMaxPlayers)
        fail("gameWinner is " + std::to_string(s.gameWinner));
    if ((s.gameWinner == 0) != (s.ending == Ending::None))
        fail("gameWinner and the ending disagree");
    if (s.gameWinner != 0 && (s.throwDiceEnabled || game_.acceptsNumberClick() ||
                              game_.timers().running(TimerRole::Clock)))
        fail("an ended game still takes a throw, a click or time");
}

} // namespace tezzle
