// Leaving a board with Exit or New Game, and coming back to a saved game.

#include "GameHarness.h"

#include <QTest>

using namespace harness;

namespace {

const std::vector<int> kChainBut73{1,  2,  4,  7,  11, 16, 22, 29, 37,
                                   46, 56, 65, 80, 86, 91, 95, 98, 100};

} // namespace

class TestGameLeave : public QObject {
    Q_OBJECT

private slots:
    void exitFromARunningGameAsksToSaveIt() {
        Table t({.players = 3, .clock = 40, .sound = 1});
        Game& game = t.open();
        t.playMove(diceMaking(17), 17); // Blue
        t.throwAndReveal(diceMaking(60));
        game.advance(3000);
        game.clickNumber(60); // Red
        game.advance(2000);
        t.throwAndReveal(diceNotMaking(90));
        game.clickNumber(90); // Green, illegal
        t.events();

        game.exitGame();
        const auto events = t.events();
        // Exit's click is the title window's: its load switches the sound on first.
        QCOMPARE(events.size(), std::size_t(3));
        const SavedGame& saved = std::get<events::SaveGame>(events[0]).game;
        QCOMPARE(events[1], GameEvent(events::GoToTitle{}));
        QCOMPARE(events[2], GameEvent(events::CloseCheatChart{}));

        QCOMPARE(int(saved.board[17]), 1);
        QCOMPARE(int(saved.board[60]), 2);
        QCOMPARE(int(saved.board[90]), 0);
        QCOMPARE(int(saved.numPlayers), 3);
        QCOMPARE(int(saved.computerLevel), 0);
        QCOMPARE(int(saved.turnCounter), 2);
        QCOMPARE(int(saved.targetScore), 5000);
        QCOMPARE(saved.scores[0], std::optional<std::int16_t>(20));
        QCOMPARE(saved.scores[1], std::optional<std::int16_t>(100));
        QCOMPARE(saved.scores[2], std::optional<std::int16_t>());
        QCOMPARE(saved.scores[3], std::optional<std::int16_t>());
        QCOMPARE(int(saved.timeAllowed), 40);
        QCOMPARE(saved.clocks, (std::array<std::int16_t, 4>{40, 37, 40, 2000}));
        QCOMPARE(int(saved.soundOn), 1);

        // The board is closed: nothing more happens.
        QVERIFY(game.closed());
        QVERIFY(!game.nextTickIn());
        game.advance(10000);
        game.throwDice();
        game.clickNumber(5);
        game.exitGame();
        QVERIFY(t.events().empty());
    }

    void exitAfterTheEndLeavesTheSavedGameAlone() {
        Table t({.players = 2, .sound = 0});
        std::vector<std::pair<int, int>> owners;
        for (int n : kChainBut73)
            owners.emplace_back(n, 2);
        Game& ended = t.restore({.owners = owners});
        ended.advance(1);
        t.playMove(diceMaking(73), 73);
        QVERIFY(!ended.running());
        t.events();
        ended.exitGame();
        QCOMPARE(t.events(),
                 (std::vector<GameEvent>{events::GoToTitle{}, events::CloseCheatChart{}}));
    }

    void newGameGoesToTheSetUpWithoutSaving() {
        Table t({.players = 2, .sound = 1});
        Game& game = t.open();
        t.playMove(diceMaking(17), 17);
        t.events();
        game.newGame();
        QCOMPARE(t.events(), (std::vector<GameEvent>{events::GoToSetup{}, events::CloseCheatChart{},
                                                     events::PlayCue{Cue::Click}}));
        QCOMPARE(int(game.state().coveredNext), 1);
        QCOMPARE(int(game.state().coveredCells[0]), 0);
        QVERIFY(game.closed());
    }

    // Whatever Exit saves opens again as the same position.
    void aSavedGameReopensAsItWasLeft() {
        Table t({.players = 4, .clock = 30, .sound = 1});
        Game& game = t.open();
        for (int n : {17, 33, 60, 90, 12})
            t.playMove(diceMaking(n), n);
        t.throwAndReveal(diceMaking(50));
        game.advance(30000); // Red runs out of time
        game.advance(2000);
        QCOMPARE(game.state().banner, std::string("Green to Play"));
        const GameState left = game.state();
        t.events();
        game.exitGame();
        const SavedGame saved = std::get<events::SaveGame>(t.events().front()).game;

        Table again({.players = 1, .sound = 0});
        applySavedGame(saved, again.settings);
        again.settings.restartGame = 1;
        Game& reopened = again.open();
        const GameState& s = reopened.state();
        QVERIFY(!s.throwDiceEnabled);
        QCOMPARE(reopened.nextTickIn(), std::optional<Millis>(1));
        QCOMPARE(s.covered, left.covered);
        QCOMPARE(s.counterPictures, left.counterPictures);
        QCOMPARE(s.turnCounter, left.turnCounter);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.players[i].score.value_or(0), left.players[i].score.value_or(0));
            QCOMPARE(s.players[i].clock, left.players[i].clock);
            QCOMPARE(s.players[i].inPlay, left.players[i].inPlay);
            QCOMPARE(s.scores[i], left.scores[i]);
        }
        QVERIFY(s.clockRowShown);
        QCOMPARE(int(again.settings.soundOn), 1);
        reopened.advance(1);
        QCOMPARE(s.banner, left.banner);
        QVERIFY(s.throwDiceEnabled);
        QVERIFY(again.events().empty());
        // The list of covered hexagons is rebuilt in ascending order.
        QCOMPARE(int(s.coveredNext), 6);
        QCOMPARE(std::vector<int>(s.coveredCells.begin(), s.coveredCells.begin() + 6),
                 (std::vector<int>{12, 17, 33, 60, 90, 0}));
    }

    void aDamagedOwnerLeavesItsHexagonFree() {
        Table t({.players = 2, .sound = 0});
        Game& game = t.restore({.owners = {{5, 7}, {6, -1}, {8, 2}}});
        QVERIFY(!game.state().covered.test(5));
        QVERIFY(!game.state().covered.test(6));
        QVERIFY(game.state().covered.test(8));
        QCOMPARE(int(t.settings.board[5]), 0);
        QCOMPARE(game.state().counterPictures[8], std::string("counters/core1.bmp"));
        QCOMPARE(int(game.state().coveredNext), 2);
    }
};

QTEST_APPLESS_MAIN(TestGameLeave)
#include "TestGameLeave.moc"
