// The end of a game: a path from 1 to 100 with its closing sequence, players running out of
// time, and leaving a board with Exit to come back to it later.

#include "GameHarness.h"

#include <QTest>

#include <algorithm>
#include <iterator>

using namespace harness;

namespace {

// A single human player's score goes to the high score check: Blue's, as shown.
void checkOffer(const Table& t, const std::vector<GameEvent>& events, int blue) {
    std::vector<GameEvent> offers, expected;
    std::copy_if(events.begin(), events.end(), std::back_inserter(offers),
                 [](const auto& e) { return std::holds_alternative<events::OpenHighScores>(e); });
    if (t.setup.numPlayers == 1 || t.setup.computerLevel > 0)
        expected.emplace_back(
            events::OpenHighScores{std::int16_t(blue), t.setup.computerLevel > 0});
    QCOMPARE(offers, expected);
}

struct PathEnd {
    int players, level, sound, turnCounter;
    std::array<std::int16_t, 4> scores; // as saved
    std::vector<int> final;             // as shown at the end
    int winner;
};

struct Restored {
    int players, level, clock;
    std::array<std::int16_t, 4> clocks, scores;
    Banner banner;
};

} // namespace

Q_DECLARE_METATYPE(PathEnd)
Q_DECLARE_METATYPE(Restored)

class TestGameEnd : public QObject {
    Q_OBJECT

private slots:
    // Hexagon 73 completes the path; it is worth 200, and the completer earns 500 more. A score
    // saved for someone not playing does not count.
    void aPathEndsTheGame_data() {
        QTest::addColumn<PathEnd>("row");
        QTest::newRow("stays behind") << PathEnd{2, 0, 1, -1, {1000, 2000}, {1700, 2000}, 2};
        QTest::newRow("ahead, silent") << PathEnd{2, 0, 0, -1, {1500, 2000}, {2200, 2000}, 1};
        QTest::newRow("tie, sound 2") << PathEnd{2, 0, 2, -1, {1300, 2000}, {2000, 2000}, 1};
        QTest::newRow("Yellow ties")
            << PathEnd{4, 0, 1, 2, {500, 600, 700}, {500, 600, 700, 700}, 3};
        QTest::newRow("not playing") << PathEnd{2, 0, 1, -1, {100, 50, 9000, 9000}, {800, 50}, 1};
        QTest::newRow("16-bit limit") << PathEnd{2, 0, 1, -1, {32500}, {32767, 0}, 1};
        QTest::newRow("alone") << PathEnd{1, 0, 1, -1, {300}, {1000}, 1};
        QTest::newRow("computer at level 1") << PathEnd{2, 1, 1, -1, {300, 5000}, {1000, 5000}, 2};
    }

    void aPathEndsTheGame() {
        QFETCH(PathEnd, row);
        Table t(gameSetup(row.players, row.level, 0, row.sound));
        Game& game = t.restore(
            {.owners = owned(kChainBut73), .turnCounter = row.turnCounter, .scores = row.scores});
        game.advance(1);
        const int completer = game.playerToMove();
        t.throwAndReveal(diceMaking(73));
        game.clickNumber(73);
        game.advance(1999);
        QVERIFY(game.running() && game.state().joiningChain.none());
        t.events();
        game.advance(1);
        const GameState& s = game.state();
        QVERIFY(s.banner == Banner::gameOver() && s.pathReadout == "Found path!");
        QVERIFY(s.joiningChain == s.covered); // every counter is on the one chain
        QVERIFY(s.gameWinner == completer + 1 && s.ending == Ending::Path);
        QCOMPARE(t.cues(), row.sound == 1 ? std::vector<Cue>{Cue::GameOver} : std::vector<Cue>{});
        QVERIFY(!s.throwDiceEnabled && !game.acceptsNumberClick());
        // The banner flashes white and the completer's colour.
        game.advance(250);
        QVERIFY(s.bannerTint == Tint::flashWhite());
        game.advance(250);
        QVERIFY(s.bannerTint == Tint::of(completer));
        game.advance(1500);
        QVERIFY(s.banner == Banner::pathBonus(500, completer));
        for (int i = 0; i < row.players; ++i)
            QCOMPARE(int(*s.players[i].score), row.final[i]);
        QCOMPARE(int(s.scores[completer]), std::min(32767, row.scores[completer] + 200));
        game.advance(1999);
        QVERIFY(s.gameWinner == completer + 1 && t.events().empty());
        game.advance(1);
        const int w = row.winner - 1;
        QVERIFY(s.banner == Banner::hasWon(w) && s.bannerTint == Tint::of(w));
        QCOMPARE(int(s.gameWinner), row.winner);
        checkOffer(t, t.events(), row.final[0]);
        // Nothing sounds after the path; a switch other than 1 stays until the 17th flash.
        QCOMPARE(int(game.soundOn()), row.sound == 2 ? 2 : 0);
        // The flashing now follows the winner, and never stops while the board is open.
        game.advance(250 * 41);
        QVERIFY(s.bannerTint == Tint::flashWhite() && game.soundOn() == 0);
        game.advance(250);
        QVERIFY(s.bannerTint == Tint::of(w));
        QVERIFY(game.timers().running(TimerRole::GameOverFlash) && t.events().empty());
        // Exit after the end leaves the saved game alone.
        game.exitGame();
        QCOMPARE(t.events(),
                 (std::vector<GameEvent>{events::GoToTitle{}, events::CloseCheatChart{}}));
    }

    // Clocks saved at 0 or below mean the player was out of time when the game was left.
    void restoredClocksAtZeroOrBelow_data() {
        QTest::addColumn<Restored>("row");
        QTest::newRow("Red at 0") << Restored{3, 0, 60, {10, 0, 10}, {}, Banner::toPlay(2)};
        QTest::newRow("Red below 0 too")
            << Restored{3, 0, 60, {10, -40, 10}, {}, Banner::toPlay(2)};
        QTest::newRow("0 without clocks") << Restored{2, 0, 0, {0, 0}, {}, Banner::toPlay(1)};
        QTest::newRow("only Green left")
            << Restored{3, 0, 60, {0, -1, 3}, {900}, Banner::hasWon(2)};
        QTest::newRow("nobody left")
            << Restored{3, 0, 60, {0, -5, 0}, {300, 500, 500}, Banner::hasWon(1)};
        QTest::newRow("nobody, level 1")
            << Restored{2, 1, 60, {0, -5, 10}, {300, 500}, Banner::hasWon(1)};
        QTest::newRow("alone at 0") << Restored{1, 0, 60, {0, 10, 10}, {200}, Banner::outOfTime()};
    }

    void restoredClocksAtZeroOrBelow() {
        QFETCH(Restored, row);
        Table t(gameSetup(row.players, row.level, row.clock));
        Game& game = t.restore({.scores = row.scores, .clocks = row.clocks});
        game.advance(1);
        if (game.running()) {
            QVERIFY(game.state().banner == Banner::toPlay(0));
            t.playMove(diceMaking(10), 10);
        } else {
            QVERIFY(!game.state().throwDiceEnabled && game.state().ending == Ending::Time);
            QVERIFY(game.state().joiningChain.none()); // no chain lit for a game ended in time
            QVERIFY(game.timers().running(TimerRole::GameOverFlash));
            checkOffer(t, t.events(), row.scores[0]);
        }
        QVERIFY(game.state().banner == row.banner);
    }

    // Time counts only between the fourth die and the click; a player out of time is skipped
    // until one is left. Exit saves the running game, and it opens again as it was left.
    void clocksRunOutAcrossExitAndReopen() {
        Table t(gameSetup(4, 0, 5, 1));
        Game* game = &t.open();
        const GameState* s = &game->state();
        auto timeOut = [&](Table& table) {
            table.throwAndReveal(diceMaking(50));
            table.events();
            game->advance(4999);
            QCOMPARE(int(s->players[game->playerToMove()].clock), 1);
            game->advance(1);
            QCOMPARE(table.cues(), std::vector<Cue>{Cue::OutOfTime});
            QVERIFY(!s->players[game->playerToMove()].inPlay && !game->acceptsNumberClick());
            game->advance(2000);
        };
        t.playMove(diceMaking(12), 12); // Blue
        t.random.throws.push_back(diceMaking(11));
        game->throwDice();
        game->advance(2249);
        QVERIFY(!game->timers().running(TimerRole::Clock));
        game->advance(1 + 3000);
        game->clickNumber(11); // Red
        game->advance(2000 + 5000);
        QCOMPARE(int(s->players[1].clock), 2);
        timeOut(t); // Green
        QVERIFY(s->banner == Banner::toPlay(3) && s->turnCounter == 2);
        t.throwAndReveal(diceMaking(10));
        QVERIFY(s->diceBoxes[0].tint == Tint::of(3));
        game->clickNumber(10);
        game->advance(2000);
        QVERIFY(t.game->board()[10] == 4 && s->players[3].score == 10 && !s->players[2].score);

        const GameState left = *s;
        t.events();
        game->exitGame();
        const std::vector<GameEvent> events = t.events();
        // Exit's click is the title window's: its load switches the sound on first.
        QCOMPARE(events.size(), std::size_t(3));
        QVERIFY(events[1] == GameEvent(events::GoToTitle{}) &&
                events[2] == GameEvent(events::CloseCheatChart{}));
        const SavedGame saved = std::get<events::SaveGame>(events[0]).game;
        QVERIFY(saved.setup.numPlayers == 4 && saved.setup.timeAllowed == 5 &&
                saved.setup.soundOn == 1);
        QVERIFY(saved.targetScore == 5000 && saved.board[10] == 4 && saved.board[50] == 0);
        QCOMPARE(saved.clocks, (std::array<std::int16_t, 4>{5, 2, 0, 5}));
        // The board is closed: nothing more happens.
        QVERIFY(game->closed() && !game->nextTickIn());
        game->advance(10000);
        game->throwDice();
        game->clickNumber(5);
        game->exitGame();
        game->newGame();
        QVERIFY(t.events().empty());

        Table again(gameSetup(1, 0, 0, 0));
        game = &again.reopen(saved);
        s = &game->state();
        QVERIFY(!s->throwDiceEnabled && s->clockRowShown && game->nextTickIn() == 1);
        QVERIFY(s->covered == left.covered && s->owners == left.owners);
        QVERIFY(s->turnCounter == left.turnCounter && s->scores == left.scores);
        for (int i = 0; i < 4; ++i) { // Green's missing score comes back as 0
            const PlayerPanel &now = s->players[i], &then = left.players[i];
            QVERIFY(now.score.value_or(0) == then.score.value_or(0) && now.clock == then.clock);
            QCOMPARE(now.inPlay, then.inPlay);
        }
        // The list of covered hexagons, 12, 11, 10 as played, is rebuilt in ascending order.
        QCOMPARE(std::vector<int>(s->coveredCells.begin(), s->coveredCells.begin() + 4),
                 (std::vector<int>{10, 11, 12, 0}));
        game->advance(1);
        QVERIFY(s->banner == Banner::toPlay(0) && s->throwDiceEnabled && again.events().empty());
        timeOut(again); // Blue
        QVERIFY(s->banner == Banner::toPlay(1));
        again.playMove(diceMaking(13), 13);
        QVERIFY(s->banner == Banner::toPlay(3));
        timeOut(again); // Yellow
        QVERIFY(s->banner == Banner::hasWon(1) && s->bannerTint == Tint::of(1));
        QVERIFY(s->gameWinner == 2 && s->ending == Ending::Time && !s->throwDiceEnabled);
        QCOMPARE(again.events(), std::vector<GameEvent>{events::PlayCue{Cue::GameOver}});
        QCOMPARE(int(game->soundOn()), 0);
    }
};

QTEST_APPLESS_MAIN(TestGameEnd)
#include "TestGameEnd.moc"
