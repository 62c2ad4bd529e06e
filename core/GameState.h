#pragma once

#include "NumberSet.h"
#include "Reachable.h"
#include "Tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tezzle {

inline constexpr std::int16_t kTargetScore = 5000; // carried by the saved game, never shown
inline constexpr std::int16_t kDesignClock = 2000; // a clock's caption before any game sets it
inline constexpr std::int16_t kPathBonus = 500;

// Whose colour a banner or a die box takes: a player's (index 0 to 3), or the white of the
// game-over flash.
struct Tint {
    std::int8_t player = 0;
    bool white = false;
    static constexpr Tint of(int player) { return {static_cast<std::int8_t>(player), false}; }
    static constexpr Tint flashWhite() { return {0, true}; }
    friend constexpr bool operator==(const Tint&, const Tint&) = default;
};

// What the banner announces. The first, before any turn, is Blue's turn.
enum class BannerKind : std::uint8_t {
    ToPlay,
    PointsScored,
    GameOver,
    OutOfTime,
    HasWon,
    PathBonus
};

struct Banner {
    BannerKind kind = BannerKind::ToPlay;
    int number = 0; // the points, for PointsScored and PathBonus
    int player = 0; // index 0 to 3 for ToPlay, HasWon and PathBonus; -1 names nobody
    static constexpr Banner toPlay(int player) { return {BannerKind::ToPlay, 0, player}; }
    static constexpr Banner pointsScored(int points) {
        return {BannerKind::PointsScored, points, 0};
    }
    static constexpr Banner gameOver() { return {BannerKind::GameOver, 0, 0}; }
    static constexpr Banner outOfTime() { return {BannerKind::OutOfTime, 0, 0}; }
    static constexpr Banner hasWon(int player) { return {BannerKind::HasWon, 0, player}; }
    static constexpr Banner pathBonus(int points, int player) {
        return {BannerKind::PathBonus, points, player};
    }
    friend constexpr bool operator==(const Banner&, const Banner&) = default;
};

inline constexpr int kDieFaces = 6;

// One die box: its caption (0 = empty), whether it is enabled, whose colour its background is.
struct DieBox {
    int face = 0;
    bool enabled = false;
    Tint tint;
};

// A player's name label, score box and clock.
struct PlayerPanel {
    bool shown = false;                // takes part in this game
    std::optional<std::int16_t> score; // the score box's number; empty until a first move
    bool inPlay = true;                // the score box is enabled: the player still has time
    std::int16_t clock = kDesignClock; // seconds remaining, as the clock shows them
    friend bool operator==(const PlayerPanel&, const PlayerPanel&) = default;
};

enum class Ending : std::uint8_t { None, Path, Time };

// Everything a board window draws, and the game's own counters. Read-only outside the game.
struct GameState {
    // The move counter: the player to move has index (turnCounter + 1) mod numPlayers, the
    // player who clicked last has index turnCounter mod numPlayers (both taken non-negative).
    std::int16_t turnCounter = -1;
    // The covered hexagons in the order they were covered, then a 0.
    std::array<std::int16_t, 101> coveredCells{};
    std::int16_t coveredNext = 1;
    NumberSet covered;                     // hexagons showing a counter, not a number
    std::array<std::int8_t, 101> owners{}; // 1 to 100: the player number (1 to 4) covering it

    Dice dice{};
    int diceShown = 0;
    NumberSet allowed;                              // the numbers this throw makes
    std::array<std::int16_t, kMaxPlayers> scores{}; // points by moves, without the path bonus
    std::int16_t gameWinner = 0;                    // 0 while the game runs, else 1 to 4

    std::int16_t bonusFlashCount = 0;
    std::int16_t counterFlashCount = 0;
    std::int16_t gameOverFlashCount = 0;

    std::array<PlayerPanel, kMaxPlayers> players{};
    bool clockRowShown = false; // the clocks of the players taking part, and their caption
    bool illegalMoveShown = false;

    Banner banner;
    Tint bannerTint;
    // Whose colour Throw Dice, Exit, New Game, Cheat Chart and the clocks' caption take.
    int buttonPlayer = 0;
    std::array<DieBox, 4> diceBoxes{};
    bool throwDiceEnabled = true;

    bool logoLit = false;    // the bonus flash's bright phase
    bool logoDouble = false; // the logo names the double bonus

    // The white copy of the newest counter, flashed over it.
    bool flashCounterShown = false;
    int flashCounterAt = 0; // its hexagon; 0 before the first move

    std::string pathReadout; // never shown
    std::int16_t targetScore = kTargetScore;

    Ending ending = Ending::None;
    std::int16_t pathCompleter = 0; // player number who placed the last counter of the path
    bool pathBonusGiven = false;
    NumberSet joiningChain; // the counters of one chain that joined 1 to 100, once one has

    // The number last clicked and whether the throw made it, until the next throw; 0 before.
    std::int16_t lastChoice = 0;
    bool lastChoiceLegal = false;
};

} // namespace tezzle
