// The timers as data. The game's suites pin the ticks that players see; these pin what the game
// relies on without showing: restarts, filtered look-ahead, and the shortest interval.

#include "core/Timers.h"

#include <QTest>

#include <vector>

using tezzle::Millis;
using tezzle::TimerRole;

class TestTimers : public QObject {
    Q_OBJECT

private slots:
    // Starting a running timer, or setting its interval, restarts its countdown; a stopped
    // timer keeps a new interval (at least 1 ms) and waits; time passes at no cost.
    void countdownsRestart() {
        tezzle::Timers timers;
        std::vector<Millis> ticks;
        auto run = [&](Millis ms) {
            timers.advance(ms, [&](TimerRole) { ticks.push_back(timers.now()); });
        };
        timers.start(TimerRole::CounterFlash); // 200 ms
        run(150);
        timers.start(TimerRole::CounterFlash);
        run(150);
        timers.setInterval(TimerRole::CounterFlash, 100);
        run(150);
        QCOMPARE(ticks, (std::vector<Millis>{400}));
        timers.stop(TimerRole::CounterFlash);
        timers.setInterval(TimerRole::CounterFlash, 0);
        run(1'000'000'000);
        run(-5);
        QVERIFY(ticks.size() == 1 && !timers.anyRunning() && !timers.nextDue());
        timers.start(TimerRole::CounterFlash);
        QCOMPARE(*timers.nextDue(), Millis{1'000'000'451});
        // The simulation looks ahead to the ticks a player would notice only.
        timers.start(TimerRole::ChangeOfTurn); // 2000 ms
        QCOMPARE(*timers.nextDue(tezzle::timerBit(TimerRole::ChangeOfTurn)), Millis{1'000'002'450});
        QVERIFY(!timers.nextDue(tezzle::timerBit(TimerRole::Clock)));
    }
};

QTEST_APPLESS_MAIN(TestTimers)
#include "TestTimers.moc"
