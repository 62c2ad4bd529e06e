// Moves: what a legal move scores and shows, what an illegal one costs, and the flashes that
// follow a bonus and a new counter.

#include "GameHarness.h"

#include <QTest>

using namespace harness;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(tezzle::Cue)

namespace {

enum Flash { NoFlash, TezzleFlash, DoubleFlash };

std::vector<std::pair<int, int>> coveredBy(const std::vector<int>& numbers, int owner) {
    std::vector<std::pair<int, int>> owners;
    for (int n : numbers)
        owners.emplace_back(n, owner);
    return owners;
}

} // namespace

class TestGameMoves : public QObject {
    Q_OBJECT

private slots:
    void legalMoves_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("turnCounter");
        QTest::addColumn<int>("number");
        QTest::addColumn<std::vector<int>>("covered");
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("points");
        QTest::addColumn<Cue>("cue");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("white");
        QTest::addColumn<int>("flash");
        using V = std::vector<int>;
        QTest::newRow("Blue on prime 17 completes a triangle")
            << 2 << -1 << 17 << V{12, 18} << 1 << 220 << Cue::Cheer2 << "counters/cybl2.bmp"
            << "counters/cywh2.bmp" << int(DoubleFlash);
        QTest::newRow("Red on 33 completes a triangle")
            << 2 << 0 << 33 << V{25, 32} << 1 << 150 << Cue::Cash << "counters/yere1.bmp"
            << "counters/yewh1.bmp" << int(TezzleFlash);
        QTest::newRow("Yellow on 40 with counters of other colours")
            << 4 << 2 << 40 << V{41, 50} << 1 << 150 << Cue::Cash << "counters/yeye1.bmp"
            << "counters/yewh1.bmp" << int(TezzleFlash);
        QTest::newRow("two triangles at once count once")
            << 2 << -1 << 50 << V{40, 41, 51, 60} << 1 << 200 << Cue::Cash << "counters/blbl1.bmp"
            << "counters/blwh1.bmp" << int(TezzleFlash);
        QTest::newRow("two neighbours apart make no triangle")
            << 2 << -1 << 33 << V{25, 34} << 1 << 50 << Cue::Space << "counters/yebl1.bmp"
            << "counters/yewh1.bmp" << int(NoFlash);
        QTest::newRow("a triangle elsewhere does not count")
            << 2 << -1 << 60 << V{1, 2, 3} << 1 << 100 << Cue::Key << "counters/blbl1.bmp"
            << "counters/blwh1.bmp" << int(NoFlash);
        QTest::newRow("10 points")
            << 1 << -1 << 10 << V{} << 1 << 10 << Cue::Click1 << "counters/cobl1.bmp"
            << "counters/cowh1.bmp" << int(NoFlash);
        QTest::newRow("20 points")
            << 1 << -1 << 20 << V{} << 1 << 20 << Cue::Click << "counters/cybl1.bmp"
            << "counters/cywh1.bmp" << int(NoFlash);
        QTest::newRow("100 points")
            << 1 << -1 << 64 << V{} << 1 << 100 << Cue::Key << "counters/blbl1.bmp"
            << "counters/blwh1.bmp" << int(NoFlash);
        QTest::newRow("200 points, a prime")
            << 2 << 0 << 79 << V{} << 1 << 200 << Cue::Boom << "counters/grre2.bmp"
            << "counters/grwh2.bmp" << int(NoFlash);
        QTest::newRow("300 points")
            << 3 << 1 << 80 << V{} << 1 << 300 << Cue::SubPing << "counters/magr1.bmp"
            << "counters/mawh1.bmp" << int(NoFlash);
        QTest::newRow("500 points")
            << 2 << -1 << 95 << V{} << 1 << 500 << Cue::Laser3 << "counters/rebl1.bmp"
            << "counters/rewh1.bmp" << int(NoFlash);
        QTest::newRow("with sound off, the same without a cue")
            << 2 << -1 << 17 << V{12, 18} << 0 << 220 << Cue::Cheer2 << "counters/cybl2.bmp"
            << "counters/cywh2.bmp" << int(DoubleFlash);
    }

    void legalMoves() {
        QFETCH(int, players);
        QFETCH(int, turnCounter);
        QFETCH(int, number);
        QFETCH(std::vector<int>, covered);
        QFETCH(int, sound);
        QFETCH(int, points);
        QFETCH(Cue, cue);
        QFETCH(QString, counter);
        QFETCH(QString, white);
        QFETCH(int, flash);

        Table t({.players = players, .sound = sound});
        Game& game = t.restore({.owners = coveredBy(covered, 2), .turnCounter = turnCounter});
        game.advance(1);
        const int mover = game.playerToMove();
        t.throwAndReveal(diceMaking(number));
        t.events();
        game.clickNumber(number);

        const GameState& s = game.state();
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{cue} : std::vector<Cue>{});
        QCOMPARE(s.banner, std::to_string(points) + " points scored");
        QCOMPARE(int(*s.players[mover].score), points);
        QCOMPARE(int(s.scores[mover]), points);
        QCOMPARE(int(t.settings.board[number]), mover + 1);
        QCOMPARE(int(s.turnCounter), turnCounter + 1);
        QCOMPARE(int(s.coveredCells[s.coveredNext - 2]), number);
        QCOMPARE(int(s.coveredCells[s.coveredNext - 1]), 0);
        QVERIFY(s.covered.test(number));
        QCOMPARE(QString::fromStdString(s.counterPictures[number]), counter);
        QCOMPARE(QString::fromStdString(s.flashCounterPicture), white);
        QCOMPARE(s.flashCounterAt, number);
        QVERIFY(game.timers().running(TimerRole::CounterFlash));
        QCOMPARE(game.timers().running(TimerRole::TezzleFlash), flash == TezzleFlash);
        QCOMPARE(game.timers().running(TimerRole::DoubleFlash), flash == DoubleFlash);
        QVERIFY(game.timers().running(TimerRole::ChangeOfTurn));
        QVERIFY(!game.acceptsNumberClick());
    }

    void bonusFlashesTheLogoFiveTimes_data() {
        QTest::addColumn<bool>("isDouble");
        QTest::addColumn<int>("number");
        QTest::addColumn<std::vector<int>>("covered");
        QTest::newRow("TEZZLE!") << false << 33 << std::vector<int>{25, 32};
        QTest::newRow("DOUBLE") << true << 17 << std::vector<int>{12, 18};
    }

    void bonusFlashesTheLogoFiveTimes() {
        QFETCH(bool, isDouble);
        QFETCH(int, number);
        QFETCH(std::vector<int>, covered);
        Table t({.players = 2, .sound = 0});
        Game& game = t.restore({.owners = coveredBy(covered, 1)});
        game.advance(1);
        t.throwAndReveal(diceMaking(number));
        game.clickNumber(number);
        QCOMPARE(game.state().logoText, std::string("TEZZLE!"));
        int yellow = 0;
        for (int tick = 1; tick <= 10; ++tick) {
            game.advance(250);
            const bool odd = tick % 2 == 1;
            yellow += odd;
            QCOMPARE(game.state().logoColour, odd ? colours::kYellow : colours::kRed);
            QCOMPARE(game.state().logoText, std::string(isDouble && odd ? "DOUBLE" : "TEZZLE!"));
        }
        QCOMPARE(yellow, 5);
        QVERIFY(!game.timers().running(TimerRole::TezzleFlash));
        QVERIFY(!game.timers().running(TimerRole::DoubleFlash));
        QCOMPARE(int(game.state().bonusFlashCount), 0);
        game.advance(1000);
        QCOMPARE(game.state().logoColour, colours::kRed);
    }

    void aNewCounterFlashesWhiteFiveTimes() {
        Table t({.players = 2, .sound = 0});
        Game& game = t.open();
        t.throwAndReveal(diceMaking(40));
        game.clickNumber(40);
        QVERIFY(!game.state().flashCounterShown);
        int shown = 0;
        for (int tick = 1; tick <= 10; ++tick) {
            game.advance(200);
            QCOMPARE(game.state().flashCounterShown, tick % 2 == 1);
            shown += game.state().flashCounterShown;
        }
        QCOMPARE(shown, 5);
        QVERIFY(!game.timers().running(TimerRole::CounterFlash));
        QCOMPARE(int(game.state().counterFlashCount), 0);
    }

    void anIllegalMoveLosesTheTurn() {
        Table t({.players = 2, .clock = 30, .sound = 1});
        Game& game = t.open();
        t.throwAndReveal(diceNotMaking(50));
        game.advance(3000);
        QCOMPARE(int(game.state().players[0].clock), 27);
        t.events();
        const GameState before = game.state();
        game.clickNumber(50);
        const GameState& s = game.state();
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::Boink});
        QVERIFY(s.illegalMoveShown);
        QVERIFY(!s.clockRowShown);
        QCOMPARE(int(s.turnCounter), 0);
        QVERIFY(s.covered.none());
        QCOMPARE(int(t.settings.board[50]), 0);
        QVERIFY(!s.players[0].score.has_value());
        QCOMPARE(s.banner, before.banner);
        QVERIFY(!game.timers().running(TimerRole::Clock));
        QVERIFY(!game.timers().running(TimerRole::CounterFlash));
        game.advance(1999);
        QVERIFY(s.illegalMoveShown);
        QCOMPARE(int(s.players[0].clock), 27);
        game.advance(1);
        QVERIFY(!s.illegalMoveShown);
        QVERIFY(s.clockRowShown);
        QCOMPARE(s.banner, std::string("Red to Play"));
        QVERIFY(t.events().empty());
    }

    // The clocks' row stays hidden all game without clocks, even after an illegal move.
    void withoutClocksTheirRowNeverShows() {
        Table t({.players = 2, .sound = 0});
        Game& game = t.open();
        t.throwAndReveal(diceNotMaking(50));
        game.clickNumber(50);
        game.advance(2000);
        QVERIFY(!game.state().clockRowShown);
        QVERIFY(!game.timers().running(TimerRole::Clock));
    }

    void pointsStopAtTheLargest16BitScore_data() {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("shown");
        QTest::newRow("500 on 32700") << 32700 << 95 << 32767;
        QTest::newRow("at the limit already") << 32767 << 10 << 32767;
        QTest::newRow("just below") << 32257 << 95 << 32757;
        QTest::newRow("from a negative score") << -32768 << 95 << -32268;
    }

    void pointsStopAtTheLargest16BitScore() {
        QFETCH(int, saved);
        QFETCH(int, number);
        QFETCH(int, shown);
        Table t({.players = 2, .sound = 0});
        Game& game = t.restore({.scores = {std::int16_t(saved), 0, 0, 0}});
        game.advance(1);
        t.throwAndReveal(diceMaking(number));
        game.clickNumber(number);
        QCOMPARE(int(*game.state().players[0].score), shown);
        QCOMPARE(int(game.state().scores[0]), shown);
    }
};

QTEST_APPLESS_MAIN(TestGameMoves)
#include "TestGameMoves.moc"
