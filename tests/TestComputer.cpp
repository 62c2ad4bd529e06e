// The computer opponent: the draws behind it, and its turn played through the same calls as a
// human's.

#include "GameHarness.h"
#include "core/ComputerPlayer.h"
#include "core/DiceDraw.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace harness;

namespace {

// Returns the same value for every draw.
struct FixedRandom final : RandomSource {
    double u = 0;
    double next(Draw) override { return u; }
};

} // namespace

class TestComputer : public QObject {
    Q_OBJECT

private slots:
    // Every face of the dice is as likely, and throw after throw the dice go on. The computer's
    // pick is Int(random x 100 + 1), whatever the source returns.
    void drawsAreFair() {
        SeededRandom random(7);
        std::array<int, 7> faces{};
        Dice dice{}, previous{};
        int repeats = 0;
        for (int i = 0; i < 600; ++i) {
            drawThrow(dice, random);
            repeats += dice == previous;
            previous = dice;
            for (int d : dice)
                ++faces[d];
        }
        const auto [rarest, commonest] = std::minmax_element(faces.begin() + 1, faces.end());
        QVERIFY(faces[0] == 0 && repeats < 5 && *rarest > 340 && *commonest < 460);
        NumberSet all;
        for (int n = 1; n <= 100; ++n)
            all.set(n);
        // x 100 gives just below 1, and + 1 rounds up to 2.
        const double nearly = std::nextafter(1.0, 0.0); // 1 - a little
        const double draws[]{0.0, 0.5, 0.01 * nearly, 0.64 * nearly, nearly, 1.0, -0.25, NAN};
        const int picks[]{1, 51, 2, 65, 100, 100, 1, 1};
        for (int i = 0; i < 8; ++i) {
            FixedRandom fixed;
            fixed.u = draws[i];
            QCOMPARE(randomChoice(all, fixed), picks[i]);
        }
        QCOMPARE(randomChoice(NumberSet::of({0}), random), 0); // nothing to pick: no endless draw
    }

    // Opening a saved game, or the change of turn, throws for the computer at once, and a second
    // after the fourth die it clicks; Blue's turns are left alone. A human click while it waits
    // counts as Red's move, and the computer's own click is then ignored.
    void theComputerPlaysRed_data() {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("clock");
        QTest::newRow("sound on") << 1 << 0;
        QTest::newRow("sound off, clocks on") << 0 << 20;
    }

    void theComputerPlaysRed() {
        QFETCH(int, sound);
        QFETCH(int, clock);
        Table t(gameSetup(2, 3, clock, sound));
        const Dice redsDice{2, 3, 4, 6};
        t.random.throws = {redsDice};
        Game& game = t.restore({.owners = {{1, 1}, {2, 1}}, .turnCounter = 0});
        const GameState& s = game.state();
        QVERIFY(t.events().empty());
        game.advance(1);
        QVERIFY(s.banner == Banner::toPlay(1) && s.dice == redsDice && !s.throwDiceEnabled);
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{Cue::DiceThrown} : std::vector<Cue>{});
        game.advance(t.revealTime() + 999);
        QVERIFY(s.turnCounter == 0 && game.acceptsNumberClick());
        game.advance(1);
        QVERIFY(t.game->board()[96] == 2 && s.players[1].score == 500); // the best it makes
        QVERIFY(s.turnCounter == 1 && !s.illegalMoveShown);
        // The move timer and the clock start together; the computer moves first.
        QVERIFY(s.players[1].clock == 2000 && !game.timers().running(TimerRole::ComputerMove));
        game.advance(2000);
        QVERIFY(s.banner == Banner::toPlay(0) && s.throwDiceEnabled);
        t.throwAndReveal({1, 1, 1, 1}); // makes 1 to 4
        game.advance(5000);
        QVERIFY(s.turnCounter == 1 && game.acceptsNumberClick());
        game.clickNumber(3);
        t.random.throws.push_back({1, 1, 1, 1}); // only 4 is free
        game.advance(2000 + t.revealTime());
        QVERIFY(game.timers().running(TimerRole::ComputerMove));
        game.clickNumber(4);
        QVERIFY(t.game->board()[4] == 2 && s.turnCounter == 3);
        game.advance(1000);
        QVERIFY(!game.timers().running(TimerRole::ComputerMove));
        QVERIFY(s.turnCounter == 3 && s.coveredNext == 6);
        game.advance(1000);
        QVERIFY(s.banner == Banner::toPlay(0));
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "TestComputer.moc"
