#pragma once

#include "NumberSet.h"
#include "Reachable.h"
#include "Tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tezzle {

namespace texts {
inline constexpr std::string_view kIllegalMove =
    "You made an illegal move. You have lost your turn.";
inline constexpr std::string_view kPointsScored = " points scored";
inline constexpr std::string_view kGameOver = "GAME OVER!!!";
inline constexpr std::string_view kPointsTo = "500 points to ";
inline constexpr std::string_view kOutOfTime = "OUT OF TIME!";
inline constexpr std::string_view kTezzle = "TEZZLE!";
inline constexpr std::string_view kDouble = "DOUBLE";
inline constexpr std::string_view kFirstBanner = "Blue to Play";
} // namespace texts

inline constexpr std::int16_t kTargetScore = 5000; // carried by the saved game, never shown
inline constexpr std::int16_t kDesignClock = 2000; // a clock's caption before any game sets it
inline constexpr std::int16_t kPathBonus = 500;

// One die box: its caption (0 = empty), whether it is enabled, its background.
struct DieBox {
    int face = 0;
    bool enabled = false;
    Rgb background = colours::kBlue;
};

// A player's name label, score box and clock.
struct PlayerPanel {
    bool shown = false;                // takes part in this game
    std::optional<std::int16_t> score; // the score box's number; empty until a first move
    bool inPlay = true;                // the score box is enabled: the player still has time
    std::int16_t clock = kDesignClock; // seconds remaining, as the clock shows them
};

// The counter picture of player `playerNumber` (1 to 4) on hexagon n; the digit tells a prime.
inline std::string counterPicture(int n, int playerNumber) {
    return std::string("counters/")
        .append(zoneOf(n).code)
        .append(kPlayers[playerNumber - 1].counterCode)
        .append(isPrime(n) ? "2" : "1")
        .append(".bmp");
}

// The white copy of a counter on hexagon n, flashed over a new counter.
inline std::string whiteCounterPicture(int n) {
    return std::string("counters/")
        .append(zoneOf(n).code)
        .append("wh")
        .append(isPrime(n) ? "2" : "1")
        .append(".bmp");
}

enum class Ending : std::uint8_t { None, Path, Time };

// Everything a board window draws, and the game's own counters. Read-only outside the game.
struct GameState {
    // The move counter: the player to move has index (turnCounter + 1) mod numPlayers, the
    // player who clicked last has index turnCounter mod numPlayers (both taken non-negative).
    std::int16_t turnCounter = -1;
    // The covered hexagons in the order they were covered, then a 0.
    std::array<std::int16_t, 101> coveredCells{};
    std::int16_t coveredNext = 1;
    NumberSet covered;                            // hexagons showing a counter, not a number
    std::array<std::string, 101> counterPictures; // 1 to 100: "counters/cybl2.bmp", or empty

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

    std::string banner{texts::kFirstBanner};
    Rgb bannerColour = colours::kLightBlue;
    // Text colour of Throw Dice, Exit, New Game, Cheat Chart and "Seconds Remaining".
    Rgb buttonColour = colours::kLightBlue;
    std::array<DieBox, 4> diceBoxes{};
    bool throwDiceEnabled = true;

    std::string logoText{texts::kTezzle};
    Rgb logoColour = colours::kRed;

    // The white copy of the newest counter, flashed over it.
    bool flashCounterShown = false;
    int flashCounterAt = 0;
    std::string flashCounterPicture;

    std::string pathReadout{texts::kFirstBanner}; // never shown
    std::int16_t targetScore = kTargetScore;

    Ending ending = Ending::None;
    std::int16_t pathCompleter = 0; // player number who placed the last counter of the path
    bool pathBonusGiven = false;
};

} // namespace tezzle
