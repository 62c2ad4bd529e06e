// Whole games at virtual speed in every configuration, with the invariants checked after every
// call into the game.

#include "GameHarness.h"
#include "core/Invariants.h"
#include "core/Simulation.h"

#include <QTest>

using namespace harness;

namespace {

// Enough games to meet the rare turns of play; fewer in unoptimised (sanitizer) builds.
#ifdef NDEBUG
constexpr int kGames = 250;
#else
constexpr int kGames = 50;
#endif

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void wholeGamesKeepEveryInvariant_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("computer");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("clock");
        QTest::addColumn<bool>("sound");
        for (int players = 1; players <= 4; ++players)
            for (int clock : {0, 20}) {
                const QString name = QString("%1 players, clocks %2").arg(players).arg(clock);
                QTest::newRow(qPrintable(name)) << players << 0 << 0 << clock << (players % 2 == 0);
            }
        for (int level = 1; level <= 3; ++level)
            for (int clock : {0, 15}) {
                const QString name = QString("computer %1, clocks %2").arg(level).arg(clock);
                QTest::newRow(qPrintable(name)) << 2 << level << 0 << clock << (level == 2);
            }
        QTest::newRow("level 2 against level 3, clocks 30") << 2 << 3 << 2 << 30 << false;
    }

    void wholeGamesKeepEveryInvariant() {
        QFETCH(int, players);
        QFETCH(int, computer);
        QFETCH(int, blue);
        QFETCH(int, clock);
        QFETCH(bool, sound);
        SimulationConfig config{.players = players,
                                .computerLevel = computer,
                                .blueLevel = blue,
                                .clock = clock,
                                .sound = sound};
        const SimulationSummary s = simulate(config, kGames, 1000 + players * 10 + computer);
        QVERIFY2(s.violations == 0, s.firstViolation.c_str());
        QCOMPARE(s.games, kGames);
        QCOMPARE(s.byPath + s.byTime, kGames); // every game ends
        if (clock == 0)
            QCOMPARE(s.byPath, kGames);
        else
            QVERIFY(s.byTime > 0);
        int wins = 0;
        for (int w : s.wins)
            wins += w;
        QCOMPARE(wins, kGames);
        for (int p = players; p < 4; ++p)
            QCOMPARE(s.wins[p], 0);
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
        QCOMPARE(checker.legalMoves(), 1);
        t.settings.board[40] = 0;
        checker.checkBoardNextTime();
        checker.check();
        QVERIFY(checker.violations() > 0);
        QVERIFY(checker.firstViolation().find("hexagon 40") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestSoak)
#include "TestSoak.moc"
