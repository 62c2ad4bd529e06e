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
                QTest::addRow("%d players, clocks %d", players, clock)
                    << SimulationConfig{.setup = gameSetup(players, 0, clock, players % 2 == 0)};
        for (int level = 1; level <= 3; ++level)
            for (int clock : {0, 15})
                QTest::addRow("computer %d, clocks %d", level, clock)
                    << SimulationConfig{.setup = gameSetup(2, level, clock, level == 2)};
        QTest::newRow("level 2 against level 3, clocks 30")
            << SimulationConfig{.setup = gameSetup(2, 3, 30, false), .blueLevel = 2};
    }

    void wholeGamesKeepEveryInvariant() {
        QFETCH(SimulationConfig, config);
        const GameSetup& setup = config.setup;
        const SimulationSummary s =
            simulate(config, kGames, 1000 + setup.numPlayers * 10 + setup.computerLevel);
        QVERIFY2(s.violations == 0, s.firstViolation.c_str());
        QVERIFY(s.games == kGames && s.byPath + s.byTime == kGames); // every game ends
        QVERIFY(setup.timeAllowed == 0 ? s.byPath == kGames : s.byTime > 0);
        QCOMPARE(std::accumulate(s.wins.begin(), s.wins.begin() + setup.numPlayers, 0), kGames);
    }

    // The checker, called after every call into the game, notices a board that disagrees.
    void theCheckerNoticesABrokenBoard() {
        Table t(gameSetup(2, 0, 0, 0));
        Game& game = t.open();
        OwnerBoard board{};
        InvariantChecker checker(game, board);
        auto check = [&] {
            board = game.board();
            checker.check();
        };
        t.throwAndReveal(diceMaking(40));
        check();
        game.clickNumber(40);
        check();
        game.advance(2000);
        check();
        QVERIFY2(checker.violations() == 0, checker.firstViolation().c_str());
        board[40] = 0;
        board[100] = 1; // the last hexagon too
        checker.checkBoardNextTime();
        checker.check();
        QVERIFY(checker.firstViolation().find("hexagon 40") != std::string::npos);
        QCOMPARE(checker.violations(), 2);
    }
};

QTEST_APPLESS_MAIN(TestSoak)
#include "TestSoak.moc"
