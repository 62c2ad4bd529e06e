#pragma once

#include "Game.h"

#include <array>
#include <string>

namespace tezzle {

// Watches one game from its opening and checks, after every call into it, what must always
// hold: the board, the list of covered hexagons and the owners agree; every displayed score is
// the sum of its moves' points (plus 500 for the path's completer); the move counter grows by
// one per accepted click and one per player skipped; a running game waits only for a player
// who still has time and names them; an ended game accepts nothing.
class InvariantChecker {
public:
    explicit InvariantChecker(const Game& game)
        : InvariantChecker(game, game.board()) {}
    // Checks `board` as the owners of the hexagons instead of the game's own.
    InvariantChecker(const Game& game, const OwnerBoard& board);

    void check();
    // The next check looks at the whole board even if no move was made.
    void checkBoardNextTime() { fullCheckDue_ = true; }

    int violations() const { return violations_; }
    const std::string& firstViolation() const { return firstViolation_; }
    int legalMoves() const { return legalMoves_; }
    int illegalMoves() const { return illegalMoves_; }

private:
    void fail(const std::string& what);
    void checkBoard();
    void checkNewMoves();
    void checkScores();
    void checkTurn();
    void checkEnding();

    const Game& game_;
    const OwnerBoard& board_;
    NumberSet shadowCovered_;
    std::array<int, kMaxPlayers> movePoints_{};
    std::array<bool, kMaxPlayers> hasScored_{};
    int seenCoveredNext_ = 1;
    bool fullCheckDue_ = true;
    int previousTurnCounter_ = -1;
    bool previousTurnOver_ = false;
    bool previousIllegalShown_ = false;
    std::array<bool, kMaxPlayers> previousInPlay_{};
    int legalMoves_ = 0;
    int illegalMoves_ = 0;
    int violations_ = 0;
    std::string firstViolation_;
};

} // namespace tezzle
