#pragma once

#include "GameSetup.h"
#include "GameState.h"
#include "Random.h"
#include "Settings.h"
#include "Timers.h"

#include <array>
#include <cstdint>
#include <string>

namespace tezzle {

// Whole games without a window, at virtual speed: for soak tests, benchmarks and tezzle-sim.
struct SimulationConfig {
    // With a computer level the computer plays Red (a two-player game).
    GameSetup setup{.numPlayers = 2, .soundOn = 0};
    int blueLevel = 0; // Blue plays a computer strategy at this level; 0 = scripted human
    // The scripted human: how often it clicks a number the throw cannot make, and how often it
    // thinks longer than its clock allows.
    double illegalRate = 0.05;
    double slowRate = 0.03;
};

struct GameRecord {
    Ending ending = Ending::None;
    int winner = 0;      // player number, 0 when the game did not end
    int moves = 0;       // accepted clicks, legal or not
    Millis duration = 0; // virtual time to the final winner
    int violations = 0;  // broken invariants, a game that never ends included
    int highScoreOffers = 0;
    std::string firstViolation;
};

// Plays one game from a new board to its final winner. The game draws from `gameRandom`, the
// scripted players from `playerRandom`.
GameRecord playGame(const SimulationConfig& config, const ConnArray& connarray,
                    RandomSource& gameRandom, RandomSource& playerRandom);

struct SimulationSummary {
    int games = 0;
    int byPath = 0;
    int byTime = 0;
    long long moves = 0;
    std::array<int, kMaxPlayers> wins{};
    long long violations = 0;
    std::string firstViolation;
};

// Plays `games` games from one seed and adds them up.
SimulationSummary simulate(const SimulationConfig& config, int games, std::uint64_t seed);

} // namespace tezzle
