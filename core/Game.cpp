#include "Game.h"

#include "Arithmetic.h"
#include "ComputerPlayer.h"
#include "DiceDraw.h"

#include <algorithm>
#include <limits>

namespace tezzle {

Game::Game(const GameSetup& setup, const ConnArray& connarray, RandomSource& random)
    : connarray_(connarray)
    , random_(random) {
    open(setup, nullptr);
}

Game::Game(const SavedGame& saved, const ConnArray& connarray, RandomSource& random)
    : connarray_(connarray)
    , random_(random) {
    open(saved.setup, &saved);
}

Game::Game(const GameStart& start, const ConnArray& connarray, RandomSource& random)
    : connarray_(connarray)
    , random_(random) {
    if (const auto* saved = std::get_if<SavedGame>(&start))
        open(saved->setup, saved);
    else
        open(std::get<GameSetup>(start), nullptr);
}

void Game::open(const GameSetup& setup, const SavedGame* saved) {
    // A damaged set-up (a restored file) is read as the nearest game that makes sense.
    numPlayers_ = std::clamp<int>(setup.numPlayers, 1, kMaxPlayers);
    computerLevel_ = std::clamp<int>(setup.computerLevel, 0, 3);
    timeAllowed_ = setup.timeAllowed;
    soundOn_ = setup.soundOn;
    const bool restored = saved != nullptr;

    for (int i = 0; i < kMaxPlayers; ++i)
        state_.players[i].shown = i < numPlayers_;

    if (restored) {
        state_.turnCounter = saved->turnCounter;
        // The change of turn announces whoever is to play; until it has, nobody throws.
        timers_.setInterval(TimerRole::ChangeOfTurn, 1);
        timers_.start(TimerRole::ChangeOfTurn);
        state_.throwDiceEnabled = false;
    }

    // A new game starts on an empty board; in a restored one an owner outside 1 to 4 is a
    // damaged file, and that hexagon is free.
    int next = 0;
    for (int i = kFirstNumber; i <= kLastNumber; ++i) {
        if (restored && saved->board[i] >= 0 && saved->board[i] <= kMaxPlayers)
            board_[i] = saved->board[i];
        if (board_[i] > 0)
            state_.coveredCells[next++] = static_cast<std::int16_t>(i);
    }
    state_.coveredNext = static_cast<std::int16_t>(next + 1);

    if (timeAllowed_ != 0) {
        for (int i = 0; i < numPlayers_; ++i)
            state_.players[i].clock = static_cast<std::int16_t>(timeAllowed_);
        state_.clockRowShown = true;
    }
    if (restored)
        restorePosition(*saved);
}

void Game::restorePosition(const SavedGame& saved) {
    for (int i = kFirstNumber; i <= kLastNumber; ++i) {
        const int owner = board_[i];
        if (owner <= 0)
            continue;
        state_.covered.set(i);
        state_.owners[i] = static_cast<std::int8_t>(owner);
    }
    for (int i = 0; i < kMaxPlayers; ++i) {
        PlayerPanel& panel = state_.players[i];
        panel.score = saved.scores[i].value_or(0);
        state_.scores[i] = saved.scores[i].value_or(0);
        panel.clock = saved.clocks[i];
        // Whether a player was out of time is not saved: a clock at 0 or below says so.
        if (timeAllowed_ != 0 && panel.shown && panel.clock <= 0)
            panel.inPlay = false;
    }
}

// Every click on Throw Dice, New Game or Exit starts with this.
void Game::buttonReset() {
    state_.illegalMoveShown = false;
    for (DieBox& box : state_.diceBoxes) {
        box.face = 0;
        box.tint = state_.bannerTint;
    }
    state_.allowed.clear();
    state_.lastChoice = 0;
}

void Game::throwDice() {
    if (closed_ || !state_.throwDiceEnabled)
        return;
    NumberSet free;
    for (int i = kFirstNumber; i <= kLastNumber; ++i)
        if (!state_.covered.test(i))
            free.set(i);
    // Every number is made by some throw, so this only refuses a board with no free hexagon.
    if (free.none())
        return;

    buttonReset();
    state_.throwDiceEnabled = false;
    // A throw that makes no free number is thrown again, unseen.
    do {
        drawThrow(state_.dice, random_);
        allowednumbers(state_.dice, state_.allowed);
        allowednumbers2(state_.dice, state_.allowed);
    } while ((state_.allowed & free).none());

    state_.diceShown = 0;
    startReveal(timers_, soundOn_ == 1);
    cue(Cue::DiceThrown);
}

void Game::revealDie() {
    if (!revealNextDie(timers_, state_.diceBoxes, state_.diceShown, state_.dice))
        return;
    if (computerToMove())
        timers_.start(TimerRole::ComputerMove);
    if (timeAllowed_ != 0)
        timers_.start(TimerRole::Clock);
}

void Game::rollDice() {
    rollUnsettledDice(timers_, state_.diceBoxes, state_.diceShown, random_);
}

void Game::changeOfTurn() {
    timers_.setInterval(TimerRole::ChangeOfTurn, 2000);
    checkendofgame();
    if (state_.gameWinner > 0)
        return;
    // The next player in order who still has time; each one skipped counts as a move. The
    // end-of-game check has made sure that someone has.
    int player = playerToMove();
    for (int skipped = 0; !state_.players[player].inPlay && skipped < numPlayers_; ++skipped) {
        bumpTurnCounter();
        player = playerToMove();
    }
    announce(player);
    if (computerToMove())
        throwDice();
    if (timeAllowed_ != 0)
        state_.clockRowShown = true;
    state_.illegalMoveShown = false;
    timers_.stop(TimerRole::ChangeOfTurn);
}

void Game::announce(int player) {
    state_.buttonPlayer = player;
    state_.bannerTint = Tint::of(player);
    state_.banner = Banner::toPlay(player);
}

void Game::computerMove() {
    NumberSet candidates = state_.allowed;
    state_.covered.forEach([&](int n) { candidates.reset(n); });
    // Without a candidate (the human took the last one) there is nothing to click.
    const int choice = chooseNumber(computerLevel_, candidates, state_.covered, random_);
    if (choice != 0)
        clickNumber(choice);
    timers_.stop(TimerRole::ComputerMove);
}

void Game::newGame() {
    if (closed_)
        return;
    buttonReset();
    state_.coveredCells.fill(0);
    state_.coveredNext = 1;
    events_.emplace_back(events::GoToSetup{});
    events_.emplace_back(events::CloseCheatChart{});
    cue(Cue::Click);
    close();
}

void Game::exitGame() {
    if (closed_)
        return;
    buttonReset();
    if (state_.gameWinner == 0)
        events_.emplace_back(events::SaveGame{savedGame()});
    events_.emplace_back(events::GoToTitle{});
    events_.emplace_back(events::CloseCheatChart{});
    // No click here: the title window's load switches the sound on before Exit's click, so
    // the window that opens it plays it.
    close();
}

void Game::close() {
    timers_.stopAll();
    closed_ = true;
}

SavedGame Game::savedGame() const {
    SavedGame saved;
    saved.board = board_;
    saved.setup.numPlayers = static_cast<std::int16_t>(numPlayers_);
    saved.setup.computerLevel = static_cast<std::int16_t>(computerLevel_);
    saved.turnCounter = state_.turnCounter;
    saved.targetScore = state_.targetScore;
    for (int i = 0; i < kMaxPlayers; ++i) {
        saved.scores[i] = state_.players[i].score;
        saved.clocks[i] = state_.players[i].clock;
    }
    saved.setup.timeAllowed = static_cast<std::int16_t>(timeAllowed_);
    saved.setup.soundOn = soundOn_;
    return saved;
}

void Game::advance(Millis ms) {
    if (closed_)
        return;
    timers_.advance(ms, [this](TimerRole role) { tick(role); });
}

std::optional<Millis> Game::nextTickIn(std::uint16_t roles) const {
    const std::optional<Millis> due = timers_.nextDue(roles);
    if (!due)
        return std::nullopt;
    return *due - timers_.now();
}

void Game::tick(TimerRole role) {
    switch (role) {
    case TimerRole::ChangeOfTurn:
        changeOfTurn();
        break;
    case TimerRole::TezzleFlash:
        flashBonus(false);
        break;
    case TimerRole::GameOverFlash:
        flashGameOver();
        break;
    case TimerRole::DoubleFlash:
        flashBonus(true);
        break;
    case TimerRole::DiceReveal:
        revealDie();
        break;
    case TimerRole::ComputerMove:
        computerMove();
        break;
    case TimerRole::Clock:
        clockTick();
        break;
    case TimerRole::DiceRoll:
        rollDice();
        break;
    case TimerRole::CounterFlash:
        flashCounter();
        break;
    case TimerRole::PathBonus:
        awardPathBonus();
        break;
    case TimerRole::FinalWinner:
        nameFinalWinner();
        break;
    }
}

std::vector<GameEvent> Game::takeEvents() {
    std::vector<GameEvent> taken;
    taken.swap(events_);
    return taken;
}

void Game::takeEvents(std::vector<GameEvent>& into) {
    into.clear();
    into.swap(events_);
}

// The one place that decides whether a cue sounds.
void Game::cue(Cue c) {
    if (soundOn_ == 1)
        events_.emplace_back(events::PlayCue{c});
}

int Game::playerToMove() const {
    return floorMod(state_.turnCounter + 1, numPlayers_);
}

int Game::lastMover() const {
    return floorMod(state_.turnCounter, numPlayers_);
}

// With two players an even move counter is exactly Red's turn; asking for Red as well keeps the
// computer to Red's turns in set-ups that pair it with another number of players.
bool Game::computerToMove() const {
    return computerLevel_ != 0 && state_.turnCounter % 2 == 0 &&
           playerToMove() == kComputerPlayerIndex;
}

bool Game::acceptsNumberClick() const {
    return !closed_ && !timers_.running(TimerRole::ChangeOfTurn) && state_.diceBoxes[0].enabled &&
           !timers_.running(TimerRole::DiceReveal) && state_.gameWinner <= 0;
}

void Game::bumpTurnCounter() {
    // At the top of 16 bits, step back by a multiple of 12: whose turn it is and the parity
    // stay the same for any number of players.
    if (state_.turnCounter == std::numeric_limits<std::int16_t>::max())
        state_.turnCounter = static_cast<std::int16_t>(state_.turnCounter - kTurnCounterStepBack);
    ++state_.turnCounter;
}

} // namespace tezzle
