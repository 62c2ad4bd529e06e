#pragma once

#include "GameEvents.h"
#include "GameState.h"
#include "PathSearch.h"
#include "Random.h"
#include "SavedGame.h"
#include "Settings.h"
#include "Timers.h"

#include <optional>
#include <vector>

namespace tezzle {

// One game on one board, without any window. Made when the board opens: a new game, or the
// saved one when settings.restartGame is 1. Input arrives as calls, time as advance(); the
// window redraws from state() and carries out takeEvents().
//
// The game reads the shared settings when it opens (players, computer level, clocks, saved
// values) and keeps reading soundOn; it writes board at every move and soundOn at the end.
class Game {
public:
    Game(Settings& settings, RandomSource& random);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The three buttons. A disabled Throw Dice ignores the click.
    void throwDice();
    void newGame();
    void exitGame();

    // A click on hexagon n (1 to 100). Ignored unless the dice of this turn are all shown and
    // the turn is not over yet, the game runs and n is free.
    void clickNumber(int n);

    // Lets `ms` milliseconds pass, running every timer tick due within them.
    void advance(Millis ms);

    // Milliseconds until the next tick of any of `roles` (timer bits), or none while none runs.
    std::optional<Millis> nextTickIn(std::uint16_t roles = kAllTimers) const;

    const GameState& state() const { return state_; }
    const Timers& timers() const { return timers_; }
    Millis now() const { return timers_.now(); }

    // What happened since the last call, in order.
    std::vector<GameEvent> takeEvents();
    void takeEvents(std::vector<GameEvent>& into); // reuses into's storage

    int numPlayers() const { return numPlayers_; }
    int computerLevel() const { return computerLevel_; }
    int timeAllowed() const { return timeAllowed_; }

    int playerToMove() const; // index 0 to 3
    int lastMover() const;    // index of the player who clicked last
    bool computerToMove() const;
    bool acceptsNumberClick() const;
    bool running() const { return state_.gameWinner == 0 && !closed_; }
    bool closed() const { return closed_; }

    // What Exit would save now.
    SavedGame savedGame() const;

private:
    void open();
    void restorePosition();
    void buttonReset();
    void tick(TimerRole role);

    void revealDie();
    void rollDice();
    void changeOfTurn();
    void announce(int player);
    void computerMove();
    void clockTick();

    void illegalMove();
    void legalMove(int n, int player);

    void checkendofgame();
    void endOnTime(int winner, Banner banner, Tint tint);
    void awardPathBonus();
    void nameFinalWinner();
    int leaderByDisplayedScore() const;
    void flashBonus(bool isDouble);
    void flashCounter();
    void flashGameOver();

    void cue(Cue c);
    void bumpTurnCounter();
    void close();

    Settings& settings_;
    RandomSource& random_;
    Timers timers_;
    PathSearch pathSearch_;
    GameState state_;
    std::vector<GameEvent> events_;
    int numPlayers_ = 1;
    int computerLevel_ = 0;
    int timeAllowed_ = 0;
    bool closed_ = false;
};

} // namespace tezzle
