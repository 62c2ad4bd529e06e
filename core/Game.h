#pragma once

#include "GameEvents.h"
#include "GameSetup.h"
#include "GameState.h"
#include "PathSearch.h"
#include "Random.h"
#include "SavedGame.h"
#include "Settings.h"
#include "Timers.h"

#include <optional>
#include <variant>
#include <vector>

namespace tezzle {

// How a board opens: a new game from its set-up, or a saved game reopened.
using GameStart = std::variant<GameSetup, SavedGame>;

// One game on one board, without any window. Made when the board opens, from a set-up or a saved
// game. Input arrives as calls, time as advance(); the window redraws from state() and carries
// out takeEvents(). The game keeps its own board and sound switch; nothing it does reaches back.
class Game {
public:
    Game(const GameSetup& setup, const ConnArray& connarray, RandomSource& random);
    Game(const SavedGame& saved, const ConnArray& connarray, RandomSource& random);
    Game(const GameStart& start, const ConnArray& connarray, RandomSource& random);
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
    // The switch in force: the set-up's, until the end of the game turns it off.
    std::int16_t soundOn() const { return soundOn_; }
    const OwnerBoard& board() const { return board_; }

    int playerToMove() const; // index 0 to 3
    int lastMover() const;    // index of the player who clicked last
    bool computerToMove() const;
    bool acceptsNumberClick() const;
    bool running() const { return state_.gameWinner == 0 && !closed_; }
    bool closed() const { return closed_; }

    // What Exit would save now.
    SavedGame savedGame() const;

private:
    void open(const GameSetup& setup, const SavedGame* restored);
    void restorePosition(const SavedGame& saved);
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

    const ConnArray& connarray_;
    RandomSource& random_;
    Timers timers_;
    PathSearch pathSearch_;
    GameState state_;
    std::vector<GameEvent> events_;
    int numPlayers_ = 1;
    int computerLevel_ = 0;
    int timeAllowed_ = 0;
    std::int16_t soundOn_ = 0;
    OwnerBoard board_{};
    bool closed_ = false;
};

} // namespace tezzle
