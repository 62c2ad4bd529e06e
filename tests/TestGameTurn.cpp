// The turn cycle: the board as it opens, the throw and its dice animation, which clicks count,
// what a legal or an illegal move scores and shows, and the change of turn.

#include "GameHarness.h"

#include "ui/Players.h"

#include <QTest>

using namespace harness;

namespace {

struct Move {
    int players, turnCounter, number;
    std::vector<int> covered; // by Red
    int saved, score;         // every player's saved score, the mover's after the move
    Cue cue;
    const char* counter; // its picture
};

} // namespace

Q_DECLARE_METATYPE(Move)

class TestGameTurn : public QObject {
    Q_OBJECT

private slots:
    void aTurnAsThePlayersSeeIt_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("clock");
        QTest::addColumn<int>("sound");
        QTest::newRow("one player, sound, no clocks") << 1 << 0 << 1;
        QTest::newRow("two players, silent, clocks") << 2 << 60 << 0;
        QTest::newRow("three players, sound, clocks") << 3 << 5 << 1;
        QTest::newRow("four players, silent, no clocks") << 4 << 0 << 0;
    }

    void aTurnAsThePlayersSeeIt() {
        QFETCH(int, players);
        QFETCH(int, clock);
        QFETCH(int, sound);
        Table t(gameSetup(players, 0, clock, sound));
        Game& game = t.open();
        const GameState& s = game.state();
        QVERIFY(s.banner == Banner::toPlay(0));
        QVERIFY(s.bannerTint == Tint::of(0) && s.buttonPlayer == 0);
        QVERIFY(s.throwDiceEnabled && !game.nextTickIn() && s.covered.none());
        QCOMPARE(int(game.board()[40]), 0);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(s.diceBoxes[i].face == 0 && !s.diceBoxes[i].enabled);
            QVERIFY(s.players[i].shown == (i < players) && !s.players[i].score);
            QCOMPARE(int(s.players[i].clock), clock != 0 && i < players ? clock : 2000);
        }
        QCOMPARE(s.clockRowShown, clock != 0);
        // A click counts only on a free hexagon once all four dice show, until the move.
        auto ignored = [&](int n) {
            const GameState before = s;
            game.clickNumber(n);
            QVERIFY(s.turnCounter == before.turnCounter && s.coveredNext == before.coveredNext);
            QVERIFY(s.banner == before.banner && s.illegalMoveShown == before.illegalMoveShown);
        };
        const Dice dice{2, 3, 4, 6}; // makes 15 and 26, not 27

        // Blue scores; two seconds later the next player is announced in their colour.
        ignored(26);
        t.throwAndReveal(dice);
        game.clickNumber(26);
        QVERIFY(s.banner == Banner::pointsScored(20));
        ignored(15);
        game.advance(1999);
        ignored(15);
        QVERIFY(!s.throwDiceEnabled);
        game.advance(1);
        const int next = players > 1 ? 1 : 0;
        QVERIFY(s.banner == Banner::toPlay(next));
        QVERIFY(s.bannerTint == Tint::of(next) && s.buttonPlayer == next && s.throwDiceEnabled);
        t.events();

        // Blank boxes in the player's dice colour until the roll starts, then one die at a time.
        const Millis rollStart = sound == 1 ? 1200 : 100, firstDie = sound == 1 ? 1500 : 300;
        t.random.throws.push_back(dice);
        t.random.rollingDraws = 0;
        const Millis thrown = game.now();
        game.throwDice();
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{Cue::DiceThrown} : std::vector<Cue>{});
        game.advance(rollStart - 1);
        QVERIFY(!s.throwDiceEnabled);
        for (const DieBox& box : s.diceBoxes)
            QVERIFY(box.face == 0 && !box.enabled && box.tint == Tint::of(next));
        QCOMPARE(t.random.rollingDraws, 0);
        game.advance(1);
        QCOMPARE(t.random.rollingDraws, 4);
        for (const DieBox& box : s.diceBoxes)
            QVERIFY(box.enabled && box.face >= 1 && box.face <= 6);
        for (int k = 0; k < 4; ++k) {
            game.advance(thrown + firstDie + 250 * k - 1 - game.now());
            QVERIFY(s.diceShown == k && !game.acceptsNumberClick());
            ignored(15);
            game.advance(1);
            QCOMPARE(s.diceBoxes[k].face, dice[k]);
        }
        // Each tick rolls only the dice not yet shown; the roll stops with the fourth die.
        const int rolled = sound == 1 ? 540 : 460;
        QCOMPARE(t.random.rollingDraws, rolled);
        game.advance(3000);
        QCOMPARE(t.random.rollingDraws, rolled);
        for (int n : {26, 0, 101})
            ignored(n);

        // A number the dice do not make loses the turn, with the clocks hidden meanwhile.
        game.clickNumber(27);
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{Cue::IllegalMove} : std::vector<Cue>{});
        QVERIFY(s.illegalMoveShown && !s.clockRowShown && !s.covered.test(27));
        QVERIFY(s.banner == Banner::toPlay(next) && s.scores[0] + s.scores[1] == 20);
        QVERIFY(!game.timers().running(TimerRole::Clock));
        ignored(15);
        game.advance(1999);
        const int mover = players > 1 ? 1 : 0;
        QCOMPARE(int(s.players[mover].clock), clock != 0 ? clock - 3 : 2000);
        game.advance(1);
        QVERIFY(!s.illegalMoveShown && s.clockRowShown == (clock != 0));
        QVERIFY(s.banner == Banner::toPlay((mover + 1) % players));
        QVERIFY(t.events().empty());

        // New Game goes to the set-up without saving.
        game.newGame();
        std::vector<GameEvent> left{events::GoToSetup{}, events::CloseCheatChart{}};
        if (sound == 1)
            left.emplace_back(events::PlayCue{Cue::Click});
        QCOMPARE(t.events(), left);
        QVERIFY(game.closed() && s.coveredNext == 1 && s.coveredCells[0] == 0);
    }

    // Points, cue, counter and flashes of a move; points pile up to the largest 16-bit score.
    void legalMoves_data() {
        QTest::addColumn<Move>("move");
        QTest::newRow("double on 17")
            << Move{2, -1, 17, {12, 18}, 0, 220, Cue::DoubleTezzle, "cybl2"};
        QTest::newRow("Red's Tezzle! on 33")
            << Move{2, 0, 33, {25, 32}, 0, 150, Cue::Tezzle, "yere1"};
        QTest::newRow("10 points, alone") << Move{1, -1, 10, {}, 0, 10, Cue::TickBox, "cobl1"};
        QTest::newRow("Green's 300") << Move{3, 1, 80, {}, 0, 300, Cue::Points300, "magr1"};
        QTest::newRow("500 on 32700") << Move{2, -1, 95, {}, 32700, 32767, Cue::Points500, "rebl1"};
        QTest::newRow("500 on -32768")
            << Move{2, -1, 95, {}, -32768, -32268, Cue::Points500, "rebl1"};
    }

    void legalMoves() {
        QFETCH(Move, move);
        const auto& [players, turnCounter, number, covered, saved, score, cue, picture] = move;
        const std::string counter = "counters/" + std::string(picture) + ".bmp";
        Table t(gameSetup(players, 0, 0, 1));
        Position p{.owners = owned(covered, 2), .turnCounter = turnCounter};
        p.scores.fill(std::int16_t(saved));
        Game& game = t.restore(p);
        game.advance(1);
        const int mover = game.playerToMove();
        t.throwAndReveal(diceMaking(number));
        t.events();
        game.clickNumber(number);
        const GameState& s = game.state();
        QCOMPARE(t.cues(), std::vector<Cue>{cue});
        QVERIFY(s.banner == Banner::pointsScored(saved == 0 ? score : 500));
        QVERIFY(s.players[mover].score == score && s.scores[mover] == score);
        QCOMPARE(int(s.owners[number]), mover + 1);
        QCOMPARE(ui::counterPicture(number, mover + 1), counter);
        QVERIFY(game.timers().running(TimerRole::ChangeOfTurn) && !game.acceptsNumberClick());
        // The white copy of the new counter flashes over it five times; the logo flashes five
        // times for a bonus, DOUBLE on a prime.
        QCOMPARE(ui::whiteCounterPicture(number), std::string(counter).replace(11, 2, "wh"));
        QCOMPARE(s.flashCounterAt, number);
        const bool bonus = cue == Cue::Tezzle || cue == Cue::DoubleTezzle;
        for (int ms = 50; ms <= 3000; ms += 50) {
            game.advance(50);
            const int logo = bonus ? std::min(ms / 250, 10) : 0;
            const int flash = std::min(ms / 200, 10);
            QCOMPARE(s.logoLit, logo % 2 == 1);
            QCOMPARE(s.logoDouble, cue == Cue::DoubleTezzle && logo % 2 == 1);
            QCOMPARE(s.flashCounterShown, flash % 2 == 1);
        }
        QVERIFY(!game.timers().anyRunning() && s.bonusFlashCount == 0);
        QCOMPARE(s.counterFlashCount, 0);
    }

    // Whose turn it is and the counter's parity survive any reduction of the counter; a number
    // of players outside 1 to 4 is read as the nearest.
    void aRestoredMoveCounterAlwaysNamesAPlayer() {
        const int cases[][3]{{3, -7, 0},    {2, -2, 1}, {4, -32768, 1}, {4, 32767, 0},
                             {3, 32767, 2}, {0, 5, 0},  {5, 5, 2},      {-3, 5, 0}};
        for (const auto& [players, turnCounter, toMove] : cases) { // the player to move first
            Table t(gameSetup(players, 0, 0, 0));
            Game& game = t.restore({.turnCounter = turnCounter});
            game.advance(1);
            QVERIFY(game.state().banner == Banner::toPlay(toMove));
            t.playMove(diceMaking(50), 50);
            QCOMPARE(int(t.game->board()[50]), toMove + 1);
            const int next = (toMove + 1) % game.numPlayers();
            QVERIFY(game.state().banner == Banner::toPlay(next));
            QCOMPARE(tezzle::floorMod(game.state().turnCounter, 12),
                     tezzle::floorMod(turnCounter + 1, 12));
        }
    }
};

QTEST_APPLESS_MAIN(TestGameTurn)
#include "TestGameTurn.moc"
