#include "Simulation.h"

#include "ComputerPlayer.h"
#include "Game.h"
#include "Invariants.h"
#include "PathSearch.h"

#include <algorithm>
#include <vector>

namespace tezzle {
namespace {

// Timers whose ticks change what a player can do; the dice roll and the flashes run in
// between without the players looking.
constexpr std::uint16_t kWatched =
    timerBit(TimerRole::ChangeOfTurn) | timerBit(TimerRole::DiceReveal) |
    timerBit(TimerRole::ComputerMove) | timerBit(TimerRole::Clock) |
    timerBit(TimerRole::PathBonus) | timerBit(TimerRole::FinalWinner);

// A game that runs this long has lost its way.
constexpr Millis kLongestGame = 48LL * 3600 * 1000;

int pickFrom(const NumberSet& set, RandomSource& random) {
    const int count = set.count();
    if (count == 0)
        return 0;
    int k = drawBelow(random, Draw::ComputerNumber, count);
    int chosen = 0;
    set.forEach([&](int n) {
        if (k-- == 0)
            chosen = n;
    });
    return chosen;
}

class Match {
public:
    Match(const SimulationConfig& config, const ConnArray& connarray, RandomSource& gameRandom,
          RandomSource& playerRandom)
        : config_(config)
        , game_(config.setup, connarray, gameRandom)
        , playerRandom_(playerRandom)
        , checker_(game_) {}

    GameRecord play() {
        for (;;) {
            if (game_.now() > kLongestGame) {
                fail("the game did not end");
                break;
            }
            if (!game_.running()) {
                if (!closingSequenceRuns())
                    break;
                step();
                continue;
            }
            if (game_.state().throwDiceEnabled && !game_.computerToMove()) {
                game_.throwDice();
                observe();
            } else if (game_.acceptsNumberClick() && !game_.computerToMove()) {
                playerTurn();
            } else if (!step()) {
                fail("the game waits for nothing");
                break;
            }
        }
        checker_.checkBoardNextTime();
        checker_.check();
        record_.ending = game_.state().ending;
        record_.winner = game_.state().gameWinner;
        record_.moves = checker_.legalMoves() + checker_.illegalMoves();
        record_.duration = game_.now();
        record_.violations += checker_.violations();
        if (record_.firstViolation.empty())
            record_.firstViolation = checker_.firstViolation();
        return record_;
    }

private:
    bool closingSequenceRuns() const {
        return game_.timers().running(TimerRole::PathBonus) ||
               game_.timers().running(TimerRole::FinalWinner);
    }

    // Lets time run to the next tick a player would notice.
    bool step(Millis limit = INT64_MAX) {
        const std::optional<Millis> due = game_.timers().nextDue(kWatched);
        if (!due)
            return false;
        game_.advance(std::min(*due, limit) - game_.now());
        observe();
        return true;
    }

    void observe() {
        game_.takeEvents(events_);
        for (const GameEvent& e : events_)
            if (std::holds_alternative<events::OpenHighScores>(e))
                ++record_.highScoreOffers;
        checker_.check();
    }

    double uniform() { return playerRandom_.next(Draw::Strategy); }

    // The scripted human (or Blue's computer strategy) thinks, then clicks, unless its turn
    // ends first because its clock runs out.
    void playerTurn() {
        const GameState& s = game_.state();
        NumberSet candidates = s.allowed;
        NumberSet illegal;
        for (int n = kFirstNumber; n <= kLastNumber; ++n)
            if (s.covered.test(n))
                candidates.reset(n);
            else if (!s.allowed.test(n))
                illegal.set(n);

        int choice = 0;
        Millis thinking = 0;
        if (game_.playerToMove() == 0 && config_.blueLevel > 0) {
            choice = chooseNumber(config_.blueLevel, candidates, s.covered, playerRandom_);
            thinking = 1000;
        } else {
            const bool wrong = uniform() < config_.illegalRate && illegal.any();
            choice = pickFrom(wrong ? illegal : candidates, playerRandom_);
            thinking = 200 + static_cast<Millis>(uniform() * 3000);
            if (config_.setup.timeAllowed > 0 && uniform() < config_.slowRate)
                thinking = Millis{config_.setup.timeAllowed} * 1000 + 1000;
        }

        const Millis clickAt = game_.now() + thinking;
        while (game_.now() < clickAt) {
            if (!step(clickAt))
                game_.advance(clickAt - game_.now());
            if (!game_.acceptsNumberClick())
                return; // out of time
        }
        game_.clickNumber(choice);
        observe();
    }

    void fail(const std::string& what) {
        if (record_.violations++ == 0 && checker_.violations() == 0)
            record_.firstViolation = what;
    }

    const SimulationConfig& config_;
    Game game_;
    RandomSource& playerRandom_;
    InvariantChecker checker_;
    std::vector<GameEvent> events_;
    GameRecord record_;
};

} // namespace

GameRecord playGame(const SimulationConfig& config, const ConnArray& connarray,
                    RandomSource& gameRandom, RandomSource& playerRandom) {
    return Match(config, connarray, gameRandom, playerRandom).play();
}

SimulationSummary simulate(const SimulationConfig& config, int games, std::uint64_t seed) {
    const ConnArray connarray = gridConnArray();
    SeededRandom gameRandom(seed);
    SeededRandom playerRandom(seed ^ 0x9E3779B97F4A7C15ULL);
    SimulationSummary summary;
    for (int g = 0; g < games; ++g) {
        const GameRecord r = playGame(config, connarray, gameRandom, playerRandom);
        ++summary.games;
        summary.byPath += r.ending == Ending::Path;
        summary.byTime += r.ending == Ending::Time;
        summary.moves += r.moves;
        if (r.winner >= 1 && r.winner <= kMaxPlayers)
            ++summary.wins[r.winner - 1];
        summary.violations += r.violations;
        if (summary.firstViolation.empty() && !r.firstViolation.empty())
            summary.firstViolation = "game " + std::to_string(g + 1) + ", " + r.firstViolation;
    }
    return summary;
}

} // namespace tezzle
