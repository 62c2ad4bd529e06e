// Whole games at virtual speed in every configuration, with the invariants checked after every
// call into the game.

#include "GameHarness.h"
#include "core/Invariants.h"
#include "core/Simulation.h"

#include <QTest>

#include <numeric>

using namespace harness;

Q_DECLARE_METATYPE(tezzle::SimulationConfig)

// Enough games to meet the rare turns of play; fewer in unoptimised (sanitizer) builds.
#ifdef NDEBUG
constexpr int kGames = 250;
#else
constexpr int kGames = 50;
#endif

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void wholeGamesKeepEveryInvariant_data() {
        QTest::addColumn<SimulationConfig>("config");
        for (int players = 1; players <= 4; ++players)
            for (int clock : {0, 20})
                QTest::addRow("%d players, clocks %d", players, clock) << SimulationConfig{
                    .players = players, .clock = clock, .sound = players % 2 == 0};
        for (int level = 1; level <= 3; ++level)
            for (int clock : {0, 15})
                QTest::addRow("computer %d, clocks %d", level, clock) << SimulationConfig{
                    .computerLevel = level, .clock = clock, .sound = level == 2};
        QTest::newRow("level 2 against level 3, clocks 30")
            << SimulationConfig{.computerLevel = 3, .blueLevel = 2, .clock = 30};
    }

    void wholeGamesKeepEveryInvariant() {
        QFETCH(SimulationConfig, config);
        const SimulationSummary s =
            simulate(config, kGames, 1000 + config.players * 10 + config.computerLevel);
        QVERIFY2(s.violations == 0, s.firstViolation.c_str());
        QVERIFY(s.games == kGames && s.byPath + s.byTime == kGames); // every game ends
        QVERIFY(config.clock == 0 ? s.byPath == kGames : s.byTime > 0);
        QCOMPARE(std::accumulate(s.wins.begin(), s.wins.begin() + config.players, 0), kGames);
    }

    // The checker, called after every call into the game, notices a board that disagrees.
    void theCheckerNoticesABrokenBoard() {
        Table t({.players = 2, .sound = 0});
        Game& game = t.open();
        InvariantChecker checker(game, t.settings);
        t.throwAndReveal(diceMaking(40));
        checker.check();
        game.clickNumber(40);
        checker.check();
        game.advance(2000);
        checker.check();
        QVERIFY2(checker.violations() == 0, checker.firstViolation().c_str());
        t.settings.board[40] = 0;
        checker.checkBoardNextTime();
        checker.check();
        QVERIFY(checker.firstViolation().find("hexagon 40") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestSoak)
#include "TestSoak.moc"
