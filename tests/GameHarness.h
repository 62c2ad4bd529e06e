// Drives a game the way the tests need it: scripted dice and computer choices, a board set up
// as a restored game, and the events of each step.

#pragma once

#include "core/Arithmetic.h"
#include "core/Game.h"
#include "core/PathSearch.h"
#include "core/Reachable.h"

#include <deque>
#include <memory>
#include <vector>

namespace harness {

using namespace tezzle;

// Serves the scripted throws; rolling faces and every other draw come from a fixed-seed
// generator.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<Dice> throws; // each served as four dice drawn once each
    int rollingDraws = 0;

    double next(Draw what) override {
        rollingDraws += what == Draw::RollingFace;
        if (what == Draw::DieRepeats && !throws.empty())
            return 0.015; // one draw per die
        if (what == Draw::DieFace && !throws.empty()) {
            const int face = throws.front()[die_];
            if (++die_ == 4) {
                die_ = 0;
                throws.pop_front();
            }
            return (face - 0.5) / 6.0;
        }
        return fallback_.next(what);
    }

private:
    SeededRandom fallback_{20261206};
    int die_ = 0;
};

// A throw that makes n, or with makes false one that does not: the first in order, sorted.
inline Dice diceMaking(int n, bool makes = true) {
    for (int k = 0; k < 1296; ++k) {
        const Dice dice{k / 216 + 1, k / 36 % 6 + 1, k / 6 % 6 + 1, k % 6 + 1};
        if (reachableNumbers(dice).test(n) == makes)
            return dice;
    }
    return {};
}

inline Dice diceNotMaking(int n) {
    return diceMaking(n, false);
}

// Up the left edge and along the top: a chain from 1 to 100 but for hexagon 73.
inline const std::vector<int> kChainBut73{1,  2,  4,  7,  11, 16, 22, 29, 37,
                                          46, 56, 65, 80, 86, 91, 95, 98, 100};

// Hexagons all owned by one player, for a Position.
inline std::vector<std::pair<int, int>> owned(const std::vector<int>& numbers, int owner = 1) {
    std::vector<std::pair<int, int>> owners;
    for (int n : numbers)
        owners.emplace_back(n, owner);
    return owners;
}

// A set-up from a table's plain numbers.
inline GameSetup gameSetup(int players, int computerLevel = 0, int clock = 0, int sound = 1) {
    return {static_cast<std::int16_t>(players), static_cast<std::int16_t>(computerLevel),
            static_cast<std::int16_t>(clock), static_cast<std::int16_t>(sound)};
}

// A position to open the game in, as if it were restored from a saved game.
struct Position {
    std::vector<std::pair<int, int>> owners{}; // hexagon, player number
    int turnCounter = -1;
    std::array<std::int16_t, 4> scores{};
    std::array<std::int16_t, 4> clocks{2000, 2000, 2000, 2000};
};

class Table {
public:
    explicit Table(const GameSetup& chosen = gameSetup(2))
        : setup(chosen) {}

    Game& open() { return *(game = std::make_unique<Game>(setup, connarray, random)); }
    Game& reopen(const SavedGame& saved) {
        setup = saved.setup;
        return *(game = std::make_unique<Game>(saved, connarray, random));
    }

    Game& restore(const Position& p) {
        SavedGame saved;
        saved.setup = setup;
        for (auto [n, owner] : p.owners)
            saved.board[n] = static_cast<std::int16_t>(owner);
        saved.turnCounter = static_cast<std::int16_t>(p.turnCounter);
        for (int i = 0; i < 4; ++i) {
            saved.scores[i] = p.scores[i];
            saved.clocks[i] = p.clocks[i];
        }
        return reopen(saved);
    }

    // How long the four dice take to show; a throw of the given dice that waits for them.
    Millis revealTime() const { return setup.soundOn == 1 ? 2250 : 1050; }
    void throwAndReveal(const Dice& dice) {
        random.throws.push_back(dice);
        game->throwDice();
        game->advance(revealTime());
    }

    // A whole turn: throw, reveal, click, and the change of turn 2 s later.
    void playMove(const Dice& dice, int n) {
        throwAndReveal(dice);
        game->clickNumber(n);
        game->advance(2000);
    }

    std::vector<GameEvent> events() { return game->takeEvents(); }

    std::vector<Cue> cues() {
        std::vector<Cue> out;
        for (const GameEvent& e : game->takeEvents())
            if (const auto* c = std::get_if<events::PlayCue>(&e))
                out.push_back(c->cue);
        return out;
    }

    GameSetup setup;
    ConnArray connarray = gridConnArray();
    ScriptedRandom random;
    std::unique_ptr<Game> game;
};

} // namespace harness
