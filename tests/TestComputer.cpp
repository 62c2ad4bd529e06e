// The computer opponent: its choices, and its turn played through the same calls as a human's.

#include "GameHarness.h"
#include "core/ComputerPlayer.h"

#include <QTest>

#include <cmath>
#include <map>

using namespace harness;

Q_DECLARE_METATYPE(tezzle::NumberSet)

namespace {

// Returns the same value for every draw.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double u)
        : u_(u) {}
    double next(Draw) override { return u_; }

private:
    double u_;
};

} // namespace

class TestComputer : public QObject {
    Q_OBJECT

private slots:
    void greedyTakesTheHighestValue_data() {
        QTest::addColumn<NumberSet>("candidates");
        QTest::addColumn<NumberSet>("covered");
        QTest::addColumn<int>("choice");
        // 70 with a triangle is worth 300, less than 95's 500.
        QTest::newRow("500 beats a triangle on 70")
            << NumberSet::of({70, 95}) << NumberSet::of({69, 77}) << 95;
        // 29 on a prime with a triangle: 50 + 200 beats 60's 100.
        QTest::newRow("a double on 29 beats 60")
            << NumberSet::of({29, 60}) << NumberSet::of({22, 30}) << 29;
        QTest::newRow("equal values: the lowest number")
            << NumberSet::of({91, 95, 100}) << NumberSet{} << 91;
        QTest::newRow("a single candidate") << NumberSet::of({3}) << NumberSet{} << 3;
        QTest::newRow("no candidate") << NumberSet{} << NumberSet{} << 0;
    }

    void greedyTakesTheHighestValue() {
        QFETCH(NumberSet, candidates);
        QFETCH(NumberSet, covered);
        QFETCH(int, choice);
        QCOMPARE(greedyChoice(candidates, covered), choice);
        ScriptedRandom random;
        QCOMPARE(chooseNumber(3, candidates, covered, random), choice);
    }

    void randomDrawsUntilACandidate() {
        ScriptedRandom random;
        random.numbers = {95, 2, 100, 40, 7};
        QCOMPARE(chooseNumber(1, NumberSet::of({7, 40}), NumberSet{}, random), 40);
        QCOMPARE(random.numbers, (std::deque<int>{7}));
        QCOMPARE(randomChoice(NumberSet{}, random), 0);
    }

    // The pick is Int(random x 100 + 1), whatever the source returns.
    void theRandomPickFromADraw_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("pick");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("a half") << 0.5 << 51;
        // x 100 gives just below 1, and + 1 rounds up to 2.
        QTest::newRow("just below 0.01") << std::nextafter(0.01, 0.0) << 2;
        QTest::newRow("just below 0.64") << std::nextafter(0.64, 0.0) << 65;
        QTest::newRow("just below 1") << std::nextafter(1.0, 0.0) << 100;
        QTest::newRow("1") << 1.0 << 100;
        QTest::newRow("below 0") << -0.25 << 1;
        QTest::newRow("not a number") << std::nan("") << 1;
    }

    void theRandomPickFromADraw() {
        QFETCH(double, draw);
        QFETCH(int, pick);
        NumberSet all;
        for (int n = 1; n <= 100; ++n)
            all.set(n);
        FixedRandom random(draw);
        QCOMPARE(randomChoice(all, random), pick);
    }

    // Every candidate equally likely, a 10-point one as much as a 500-point one.
    void randomGivesEveryCandidateAnEqualChance() {
        SeededRandom random(7);
        const NumberSet candidates = NumberSet::of({1, 14, 50, 99});
        std::map<int, int> counts;
        for (int i = 0; i < 8000; ++i)
            ++counts[chooseNumber(1, candidates, NumberSet{}, random)];
        QCOMPARE(counts.size(), std::size_t(4));
        for (const auto& [n, count] : counts)
            QVERIFY2(count > 1800 && count < 2200, qPrintable(QString::number(n)));
    }

    void levelTwoDrawsItsStrategyForEveryMove() {
        ScriptedRandom random;
        random.strategies = {1, 3, 1};
        random.numbers = {10, 10};
        const NumberSet candidates = NumberSet::of({10, 95});
        QCOMPARE(chooseNumber(2, candidates, NumberSet{}, random), 10);
        QCOMPARE(chooseNumber(2, candidates, NumberSet{}, random), 95);
        QCOMPARE(chooseNumber(2, candidates, NumberSet{}, random), 10);
        QVERIFY(random.strategies.empty());
        QVERIFY(random.numbers.empty());
    }

    void theComputerPlaysRedsTurn_data() {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("clock");
        QTest::newRow("sound on") << 1 << 0;
        QTest::newRow("sound off, clocks on") << 0 << 20;
    }

    void theComputerPlaysRedsTurn() {
        QFETCH(int, sound);
        QFETCH(int, clock);
        Table t({.players = 2, .computerLevel = 3, .clock = clock, .sound = sound});
        Game& game = t.open();
        t.throwAndReveal(diceMaking(10));
        game.clickNumber(10);
        t.events();
        const Dice redsDice{2, 3, 4, 6};
        t.random.throws.push_back(redsDice);
        game.advance(2000);
        // The change of turn throws for Red at once.
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("Red to Play"));
        QCOMPARE(s.dice, redsDice);
        QVERIFY(!s.throwDiceEnabled);
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{Cue::CupDice} : std::vector<Cue>{});
        game.advance(t.revealTime() + 999);
        QCOMPARE(int(s.turnCounter), 0);
        QVERIFY(game.acceptsNumberClick());
        game.advance(1);
        NumberSet candidates = reachableNumbers(redsDice);
        candidates.reset(10);
        const int expected = greedyChoice(candidates, NumberSet::of({10}));
        QVERIFY(expected > 0);
        QCOMPARE(int(t.settings.board[expected]), 2);
        QCOMPARE(int(s.turnCounter), 1);
        QVERIFY(!s.illegalMoveShown);
        // The move timer and the clock start together; the computer moves first.
        QCOMPARE(int(s.players[1].clock), clock != 0 ? clock : 2000);
        QVERIFY(!game.timers().running(TimerRole::ComputerMove));
        game.advance(2000);
        QCOMPARE(s.banner, std::string("Blue to Play"));
        QVERIFY(s.throwDiceEnabled);
        QVERIFY(!game.timers().running(TimerRole::DiceReveal));
    }

    // While the computer waits, a human click counts as Red's move; the computer's own click
    // that follows is ignored, even when the human took its only candidate.
    void aHumanClickDuringTheComputersWaitCountsForRed() {
        Table t({.players = 2, .computerLevel = 1, .sound = 0});
        Game& game = t.restore({.owners = {{1, 1}, {2, 1}, {3, 2}}, .turnCounter = 0});
        t.random.throws.push_back({1, 1, 1, 1}); // makes 1 to 4: only 4 is free
        game.advance(1);
        QCOMPARE(game.state().banner, std::string("Red to Play"));
        game.advance(1050);
        QVERIFY(game.timers().running(TimerRole::ComputerMove));
        game.clickNumber(4);
        QCOMPARE(int(t.settings.board[4]), 2);
        QCOMPARE(int(game.state().turnCounter), 1);
        game.advance(1000);
        QVERIFY(!game.timers().running(TimerRole::ComputerMove));
        QCOMPARE(int(game.state().turnCounter), 1);
        QCOMPARE(int(game.state().coveredNext), 5);
        game.advance(1000);
        QCOMPARE(game.state().banner, std::string("Blue to Play"));
    }

    void aRestoredGameWithTheComputerNextThrowsAtOnce() {
        Table t({.players = 2, .computerLevel = 2, .clock = 30, .sound = 1});
        Game& game = t.restore({.owners = {{50, 1}}, .turnCounter = 0, .scores = {100, 0, 0, 0}});
        QVERIFY(t.events().empty());
        game.advance(1);
        QCOMPARE(game.state().banner, std::string("Red to Play"));
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::CupDice});
        QVERIFY(game.timers().running(TimerRole::DiceReveal));
        game.advance(2250 + 1000);
        QCOMPARE(int(game.state().turnCounter), 1);
        QCOMPARE(int(game.state().coveredNext), 3);
        QVERIFY(!game.state().illegalMoveShown);
    }

    // A human's own turn in a game against the computer is never played for them.
    void theComputerLeavesBluesTurnAlone() {
        Table t({.players = 2, .computerLevel = 3, .sound = 0});
        Game& game = t.open();
        t.throwAndReveal(diceMaking(10));
        game.advance(60000);
        QCOMPARE(int(game.state().turnCounter), -1);
        QVERIFY(game.acceptsNumberClick());
        QVERIFY(!game.timers().anyRunning());
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "TestComputer.moc"
