// Drives a game the way the tests need it: scripted dice and computer choices, a board set up
// as a restored game, and the events of each step.

#pragma once

#include "core/Arithmetic.h"
#include "core/Game.h"
#include "core/PathSearch.h"
#include "core/Reachable.h"

#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace harness {

using namespace tezzle;

// Serves the scripted throws and computer choices by what each draw is for; rolling faces and
// anything not scripted come from a fixed-seed generator.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<Dice> throws;    // each served as four dice drawn once each
    std::deque<int> strategies; // 1 or 3, for level 2
    std::deque<int> numbers;    // the random strategy's draws, 1 to 100
    int rollingDraws = 0;

    double next(Draw what) override {
        switch (what) {
        case Draw::DieRepeats:
            return throws.empty() ? fallback_.next(what) : 0.015; // one draw per die
        case Draw::DieFace:
            if (throws.empty())
                return fallback_.next(what);
            {
                const int face = throws.front()[die_];
                if (++die_ == 4) {
                    die_ = 0;
                    throws.pop_front();
                }
                return (face - 0.5) / 6.0;
            }
        case Draw::RollingFace:
            ++rollingDraws;
            return fallback_.next(what);
        case Draw::Strategy:
            if (strategies.empty())
                return fallback_.next(what);
            {
                const int s = strategies.front();
                strategies.pop_front();
                return s == 1 ? 0.25 : 0.75;
            }
        case Draw::ComputerNumber:
            if (numbers.empty())
                return fallback_.next(what);
            {
                const int n = numbers.front();
                numbers.pop_front();
                return (n - 0.5) / 100.0;
            }
        }
        return 0.0;
    }

private:
    SeededRandom fallback_{20261206};
    int die_ = 0;
};

// A throw that makes n.
inline Dice diceMaking(int n) {
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b)
            for (int c = b; c <= 6; ++c)
                for (int d = c; d <= 6; ++d)
                    if (reachableNumbers({a, b, c, d}).test(n))
                        return {a, b, c, d};
    return {};
}

// A throw that does not make n.
inline Dice diceNotMaking(int n) {
    for (int a = 1; a <= 6; ++a)
        if (!reachableNumbers({a, a, a, a}).test(n))
            return {a, a, a, a};
    return {};
}

struct Options {
    int players = 2;
    int computerLevel = 0;
    int clock = 0;
    int sound = 1;
};

// A position to open the game in, as if it were restored from a saved game.
struct Position {
    std::vector<std::pair<int, int>> owners{}; // hexagon, player number
    int turnCounter = -1;
    std::array<std::int16_t, 4> scores{};
    std::array<std::int16_t, 4> clocks{2000, 2000, 2000, 2000};
};

class Table {
public:
    explicit Table(Options o = {})
        : options(o) {
        settings.numPlayers = static_cast<std::int16_t>(o.players);
        settings.computerLevel = static_cast<std::int16_t>(o.computerLevel);
        settings.timeAllowed = static_cast<std::int16_t>(o.clock);
        settings.soundOn = static_cast<std::int16_t>(o.sound);
        settings.connarray = gridConnArray();
    }

    Game& open() {
        game = std::make_unique<Game>(settings, random);
        return *game;
    }

    Game& restore(const Position& p) {
        settings.restartGame = 1;
        settings.board.fill(0);
        for (auto [n, owner] : p.owners)
            settings.board[n] = static_cast<std::int16_t>(owner);
        settings.savedTurnCounter = static_cast<std::int16_t>(p.turnCounter);
        for (int i = 0; i < 4; ++i) {
            settings.savedScores[i + 1] = p.scores[i];
            settings.savedClocks[i + 1] = p.clocks[i];
        }
        game = std::make_unique<Game>(settings, random);
        settings.restartGame = 0;
        return *game;
    }

    const GameState& state() const { return game->state(); }

    // How long the four dice take to show after a throw.
    Millis revealTime() const { return settings.soundOn == 1 ? 2250 : 1050; }

    // Throws the given dice and waits until all four show.
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

    Options options;
    Settings settings;
    ScriptedRandom random;
    std::unique_ptr<Game> game;
};

} // namespace harness
